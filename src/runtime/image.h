#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A block of 32-bit pixels (0x00RRGGBB; the top byte is unused and kept 0).
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Image() = default;
    Image(int w, int h, uint32_t fill = 0);

    uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool empty() const { return width <= 0 || height <= 0; }
    void fill(uint32_t colour);
    // Grows to at least w × h, keeping the pixels and filling the new area with black.
    void grow_to(int w, int h);
};

// A rectangle of pixels; empty when either side is 0 or less.
struct Rect {
    int x = 0, y = 0, w = 0, h = 0;

    bool empty() const { return w <= 0 || h <= 0; }
    int64_t right() const { return int64_t{x} + w; }
    int64_t bottom() const { return int64_t{y} + h; }
    bool operator==(const Rect&) const = default;
};

// The part both rectangles share.
Rect intersection(const Rect& a, const Rect& b);
// The smallest rectangle holding both; an empty one adds nothing.
Rect bounding(const Rect& a, const Rect& b);

constexpr uint32_t rgb(int r, int g, int b) {
    return (static_cast<uint32_t>(r & 0xFF) << 16) | (static_cast<uint32_t>(g & 0xFF) << 8) |
           static_cast<uint32_t>(b & 0xFF);
}

enum class RasterOp { SrcCopy, SrcAnd, SrcInvert };
constexpr RasterOp SRCCOPY = RasterOp::SrcCopy;
constexpr RasterOp SRCAND = RasterOp::SrcAnd;
constexpr RasterOp SRCINVERT = RasterOp::SrcInvert;

// Cuts a copy of the w × h rectangle at (sx, sy) of src to (dx, dy) of dst down to what lies
// within both images, moving both corners together; false when nothing is left.
bool clip_copy(const Image& dst, int& dx, int& dy, int& w, int& h, const Image& src, int& sx, int& sy);

// Copies the w × h rectangle at (sx, sy) of src to (dx, dy) of dst, combined by op.
// Whatever falls outside either image is left out.
void BitBlt(Image& dst, int dx, int dy, int w, int h, const Image& src, int sx, int sy, RasterOp op);
