#include "runtime/pictures.h"

#include "runtime/embedded_files.h"
#include "runtime/png.h"

Image embedded_picture(std::string_view name) {
    for (size_t i = 0; i < kEmbeddedPictureCount; ++i) {
        const EmbeddedFile& file = kEmbeddedPictures[i];
        if (file.name == name) return decode_png(file.data, file.size);
    }
    return {};
}

std::vector<std::string_view> embedded_picture_names() {
    std::vector<std::string_view> names;
    for (size_t i = 0; i < kEmbeddedPictureCount; ++i) names.emplace_back(kEmbeddedPictures[i].name);
    return names;
}
