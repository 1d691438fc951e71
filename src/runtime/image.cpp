#include "runtime/image.h"

#include <algorithm>
#include <cstring>

Image::Image(int w, int h, uint32_t fill_colour)
    : width(std::max(w, 0)), height(std::max(h, 0)), pixels(static_cast<size_t>(width) * height, fill_colour) {}

Rect intersection(const Rect& a, const Rect& b) {
    const int x = std::max(a.x, b.x), y = std::max(a.y, b.y);
    const int64_t r = std::min(a.right(), b.right()), d = std::min(a.bottom(), b.bottom());
    if (r <= x || d <= y) return {};
    return {x, y, static_cast<int>(r - x), static_cast<int>(d - y)};
}

Rect bounding(const Rect& a, const Rect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    // Wider than an int reaches, it holds at least every pixel there is.
    const int64_t r = std::max(a.right(), b.right()), d = std::max(a.bottom(), b.bottom());
    return {x, y, static_cast<int>(std::min<int64_t>(r - x, INT32_MAX)),
            static_cast<int>(std::min<int64_t>(d - y, INT32_MAX))};
}

void Image::fill(uint32_t colour) { std::fill(pixels.begin(), pixels.end(), colour); }

void Image::grow_to(int w, int h) {
    if (w <= width && h <= height) return;
    Image bigger(std::max(w, width), std::max(h, height));
    BitBlt(bigger, 0, 0, width, height, *this, 0, 0, SRCCOPY);
    *this = std::move(bigger);
}

namespace {
// Rows of two different images never overlap, which lets the compiler combine many pixels at once.
template <class Op>
void combine_apart(uint32_t* __restrict d, const uint32_t* __restrict s, int w, Op op) {
    for (int i = 0; i < w; ++i) d[i] = op(d[i], s[i]);
}

// A row that overlaps itself is combined from the end that the destination moves away from,
// so that every source pixel is read before it is overwritten.
template <class Op>
void combine(uint32_t* d, const uint32_t* s, int w, Op op) {
    if (d + w <= s || s + w <= d) return combine_apart(d, s, w, op);
    if (d > s)
        for (int i = w - 1; i >= 0; --i) d[i] = op(d[i], s[i]);
    else
        for (int i = 0; i < w; ++i) d[i] = op(d[i], s[i]);
}
}  // namespace

bool clip_copy(const Image& dst, int& dx, int& dy, int& w, int& h, const Image& src, int& sx, int& sy) {
    // Clip against the source, then against the destination, moving both corners together.
    // Computed in 64 bits, since a corner may lie as far off as an int reaches; what is left
    // lies within both images.
    auto clip = [](int& from, int& to, int& len, int limit_from, int limit_to) {
        int64_t f = from, t = to, l = len;
        if (f < 0) {
            l += f;
            t -= f;
            f = 0;
        }
        if (t < 0) {
            l += t;
            f -= t;
            t = 0;
        }
        l = std::min({l, limit_from - f, limit_to - t});
        if (l <= 0) return false;
        from = static_cast<int>(f);
        to = static_cast<int>(t);
        len = static_cast<int>(l);
        return true;
    };
    return clip(sx, dx, w, src.width, dst.width) && clip(sy, dy, h, src.height, dst.height);
}

void BitBlt(Image& dst, int dx, int dy, int w, int h, const Image& src, int sx, int sy, RasterOp op) {
    if (!clip_copy(dst, dx, dy, w, h, src, sx, sy)) return;

    // Within one image a copy downward must run bottom-up so it never reads what it wrote.
    const bool backwards = &dst == &src && dy > sy;
    for (int i = 0; i < h; ++i) {
        const int row = backwards ? h - 1 - i : i;
        const uint32_t* s = &src.pixels[static_cast<size_t>(sy + row) * src.width + sx];
        uint32_t* d = &dst.pixels[static_cast<size_t>(dy + row) * dst.width + dx];
        switch (op) {
            case RasterOp::SrcCopy: std::memmove(d, s, sizeof(uint32_t) * w); break;
            case RasterOp::SrcAnd: combine(d, s, w, [](uint32_t a, uint32_t b) { return a & b; }); break;
            case RasterOp::SrcInvert: combine(d, s, w, [](uint32_t a, uint32_t b) { return a ^ b; }); break;
        }
    }
}
