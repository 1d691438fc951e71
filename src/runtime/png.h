#pragma once
#include <cstddef>
#include <string>

#include "runtime/image.h"

// Decodes a PNG file held in memory; an empty image when the data is not a readable PNG.
Image decode_png(const unsigned char* data, size_t size);
