#include <SDL_image.h>

#include "runtime/png.h"
#include "runtime/sdl/surface.h"

Image decode_png(const unsigned char* data, size_t size) {
    SDL_RWops* stream = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!stream) return {};
    SDL_Surface* loaded = IMG_LoadPNG_RW(stream);
    SDL_RWclose(stream);
    if (!loaded) return {};
    Image image = surface_pixels(loaded);
    SDL_FreeSurface(loaded);
    for (uint32_t& p : image.pixels) p &= 0x00FFFFFFu;  // pictures are opaque and carry no alpha
    return image;
}
