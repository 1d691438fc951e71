#include <SDL_image.h>

#include "runtime/png.h"
#include "runtime/sdl/sdl_handles.h"
#include "runtime/sdl/surface.h"

Image decode_png(const unsigned char* data, size_t size) {
    const rt::sdl::StreamPtr stream(SDL_RWFromConstMem(data, static_cast<int>(size)));
    if (!stream) return {};
    const rt::sdl::SurfacePtr loaded(IMG_LoadPNG_RW(stream.get()));
    if (!loaded) return {};
    SDL_Surface* surface = loaded.get();
    // Converted straight into the picture's own pixels; a palette needs SDL's surface copy.
    Image image(surface->w, surface->h);
    if (SDL_MUSTLOCK(surface) ||
        SDL_ConvertPixels(surface->w, surface->h, surface->format->format, surface->pixels, surface->pitch,
                          SDL_PIXELFORMAT_ARGB8888, image.pixels.data(), surface->w * 4) != 0)
        image = surface_pixels(surface);
    for (uint32_t& p : image.pixels) p &= 0x00FFFFFFu;  // pictures are opaque and carry no alpha
    return image;
}
