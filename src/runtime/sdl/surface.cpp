#include "runtime/sdl/surface.h"

#include "runtime/sdl/sdl_handles.h"

Image surface_pixels(SDL_Surface* surface) {
    const rt::sdl::SurfacePtr converted(SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0));
    if (!converted) return {};
    SDL_Surface* argb = converted.get();
    Image image(argb->w, argb->h);
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row =
            reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        std::copy(row, row + argb->w, &image.at(0, y));
    }
    SDL_UnlockSurface(argb);
    return image;
}
