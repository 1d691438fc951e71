#include "support/tiles.h"

#include "frame/picture_store.h"

bool shows_tile(const Image& img, int x, int y, int w, int h, const Image& tile) {
    if (x < 0 || y < 0 || x + w > img.width || y + h > img.height || w > tile.width || h > tile.height) return false;
    for (int ty = 0; ty < h; ++ty)
        for (int tx = 0; tx < w; ++tx)
            if (img.at(x + tx, y + ty) != tile.at(tx, ty)) return false;
    return true;
}

::testing::AssertionResult shows_picture(const Image& img, int x, int y, const Image& picture) {
    if (x < 0 || y < 0 || x + picture.width > img.width || y + picture.height > img.height)
        return ::testing::AssertionFailure() << "the picture does not fit at (" << x << ", " << y << ")";
    for (int py = 0; py < picture.height; ++py)
        for (int px = 0; px < picture.width; ++px)
            if (img.at(x + px, y + py) != picture.at(px, py))
                return ::testing::AssertionFailure() << "first difference at (" << x + px << ", " << y + py << ")";
    return ::testing::AssertionSuccess();
}

std::string digits_shown(const Image& img, int x, int pitch, int y, int count, int first_tile, int size) {
    std::string shown;
    for (int i = 0; i < count; ++i) {
        char c = '?';
        for (int d = 0; d <= 9 && c == '?'; ++d)
            if (shows_tile(img, x + pitch * i, y, size, size, Form2->Picture9[first_tile + d].Picture()))
                c = static_cast<char>('0' + d);
        shown += c;
    }
    return shown;
}

Image sprite_over(const Image& under, int x, int y, const Image& image, const Image& mask) {
    Image out(image.width, image.height);
    for (int ty = 0; ty < image.height; ++ty)
        for (int tx = 0; tx < image.width; ++tx)
            out.at(tx, ty) = (under.at(x + tx, y + ty) & mask.at(tx, ty)) ^ image.at(tx, ty);
    return out;
}
