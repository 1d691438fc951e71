// Zandorix: the entry point puts the program on SDL and runs it until it ends.
#include <cstdio>
#include <exception>
#include <memory>

#include "frame/procedures.h"
#include "frame/run.h"
#include "runtime/sdl/sdl_backend.h"
#include "runtime/system.h"

int main() {
    std::unique_ptr<rt::SdlBackend> backend;
    try {
        backend = std::make_unique<rt::SdlBackend>();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zandorix: %s\n", error.what());
        return 1;
    }
    rt::install_backend(backend.get());
    return run_program([] {
        Main();
        // After the first game the program lives on in its screens' event handlers.
        for (;;) rt::wait_events();
    });
}
