#pragma once
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <memory>

// Every SDL handle the program holds is owned by one of these: it is freed by the library's own
// function for it, exactly once, on every path out.
namespace rt::sdl {
template <auto Free>
struct Freer {
    template <class T>
    void operator()(T* handle) const noexcept {
        Free(handle);
    }
};

template <class T, auto Free>
using Owned = std::unique_ptr<T, Freer<Free>>;

using WindowPtr = Owned<SDL_Window, SDL_DestroyWindow>;
using SurfacePtr = Owned<SDL_Surface, SDL_FreeSurface>;
using StreamPtr = Owned<SDL_RWops, SDL_RWclose>;
using ChunkPtr = Owned<Mix_Chunk, Mix_FreeChunk>;
using FontPtr = Owned<TTF_Font, TTF_CloseFont>;
using WavPtr = Owned<Uint8, SDL_FreeWAV>;
using TextPtr = Owned<char, SDL_free>;
}  // namespace rt::sdl
