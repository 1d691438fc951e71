#include "runtime/sdl/surface.h"

Image surface_pixels(SDL_Surface* surface) {
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
    if (!argb) return {};
    Image image(argb->w, argb->h);
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        std::copy(row, row + argb->w, &image.at(0, y));
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return image;
}
