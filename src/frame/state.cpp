#include "frame/state.h"

#include <cstddef>
#include <type_traits>

#include "engine/state.h"

namespace {
template <class T>
void put_back(T& global, const T& start) {
    if constexpr (std::is_array_v<T>) {
        for (size_t i = 0; i < std::extent_v<T>; ++i) put_back(global[i], start[i]);
    } else {
        global = start;
    }
}
}  // namespace

void reset_program_state() {
#define ZANDORIX_RESET(type, name, start)             \
    {                                                 \
        const std::type_identity_t<type> fresh start; \
        put_back(name, fresh);                        \
    }
    ZANDORIX_FRAME_GLOBALS(ZANDORIX_RESET)
    ZANDORIX_ENGINE_GLOBALS(ZANDORIX_RESET)
#undef ZANDORIX_RESET
}
