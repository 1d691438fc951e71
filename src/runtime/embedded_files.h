#pragma once
#include <cstddef>
#include <string_view>

// Files carried inside the program; the build generates the table.
struct EmbeddedFile {
    std::string_view name;
    const unsigned char* data;
    size_t size;
};

extern const EmbeddedFile kEmbeddedPictures[];
extern const size_t kEmbeddedPictureCount;
