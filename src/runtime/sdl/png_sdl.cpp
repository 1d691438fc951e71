#include <SDL.h>
#include <SDL_image.h>

#include "runtime/png.h"

Image decode_png(const unsigned char* data, size_t size) {
    SDL_RWops* stream = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!stream) return {};
    SDL_Surface* loaded = IMG_LoadPNG_RW(stream);
    SDL_RWclose(stream);
    if (!loaded) return {};
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) return {};
    Image image(argb->w, argb->h);
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < argb->w; ++x) image.at(x, y) = row[x] & 0x00FFFFFFu;  // pixels carry no alpha
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return image;
}
