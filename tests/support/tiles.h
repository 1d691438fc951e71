#pragma once
#include <gtest/gtest.h>

#include <string>

#include "runtime/image.h"

// Reading back what the drawing put into a picture.

// Whether the whole picture stands at (x, y) of an image; a failure names the first pixel
// that differs.
::testing::AssertionResult shows_picture(const Image& img, int x, int y, const Image& picture);
// Whether the w × h region at (x, y) of an image equals the same region at (0, 0) of a tile.
bool shows_tile(const Image& img, int x, int y, int w, int h, const Image& tile);
// The digits drawn from the store's digit set (Form2.Picture9) from first_tile on, read at
// x, x + pitch, ...; '?' where no digit of that group matches.
std::string digits_shown(const Image& img, int x, int pitch, int y, int count, int first_tile, int size);
// A sprite drawn over the region at (x, y) of `under`: the image over what the mask keeps.
Image sprite_over(const Image& under, int x, int y, const Image& image, const Image& mask);
