#pragma once
#include <SDL.h>

#include <algorithm>

#include "runtime/image.h"

// The pixels of any SDL surface as 0xAARRGGBB; frees nothing. Empty when it cannot be converted.
Image surface_pixels(SDL_Surface* surface);
