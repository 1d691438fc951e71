#include <SDL_image.h>

#include "runtime/png.h"
#include "runtime/sdl/sdl_handles.h"
#include "runtime/sdl/surface.h"

Image decode_png(const unsigned char* data, size_t size) {
    const rt::sdl::StreamPtr stream(SDL_RWFromConstMem(data, static_cast<int>(size)));
    if (!stream) return {};
    const rt::sdl::SurfacePtr loaded(IMG_LoadPNG_RW(stream.get()));
    if (!loaded) return {};
    Image image = surface_pixels(loaded.get());
    for (uint32_t& p : image.pixels) p &= 0x00FFFFFFu;  // pictures are opaque and carry no alpha
    return image;
}
