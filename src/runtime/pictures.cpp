#include "runtime/pictures.h"

#include <map>
#include <string>

#include "runtime/embedded_files.h"
#include "runtime/png.h"

const Image& embedded_picture(std::string_view name) {
    static std::map<std::string, Image, std::less<>> decoded;
    static const Image none;
    if (auto found = decoded.find(name); found != decoded.end()) return found->second;
    for (size_t i = 0; i < kEmbeddedPictureCount; ++i) {
        const EmbeddedFile& file = kEmbeddedPictures[i];
        if (file.name == name) return decoded[std::string(name)] = decode_png(file.data, file.size);
    }
    return none;
}

std::vector<std::string_view> embedded_picture_names() {
    std::vector<std::string_view> names;
    for (size_t i = 0; i < kEmbeddedPictureCount; ++i) names.emplace_back(kEmbeddedPictures[i].name);
    return names;
}
