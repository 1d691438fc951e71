#include "runtime/controls.h"

#include <algorithm>
#include <cstdlib>

#include "runtime/system.h"
#include "runtime/text.h"

namespace rt {
namespace {
// Narrows rendered text to the given width, averaging each column's coverage over the stretch
// of source columns it stands for.
Image narrow_text(const Image& text, int width) {
    Image narrowed(width, text.height);
    const double step = static_cast<double>(text.width) / width;
    for (int y = 0; y < text.height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double from = x * step, to = from + step;
            double coverage = 0;
            for (int sx = static_cast<int>(from); sx < text.width && sx < to; ++sx) {
                const double share = std::min<double>(sx + 1, to) - std::max<double>(sx, from);
                coverage += share * (text.at(sx, y) >> 24);
            }
            const auto alpha = static_cast<uint32_t>(std::min(255.0, coverage / step + 0.5));
            narrowed.at(x, y) = (alpha << 24) | (text.at(static_cast<int>(from), y) & 0x00FFFFFFu);
        }
    }
    return narrowed;
}
}  // namespace

void Control::place(double left, double top, double width, double height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

bool Control::contains(int x, int y) const {
    const int left = to_int32(Left), top = to_int32(Top);
    return x >= left && y >= top && x < left + to_int32(Width) && y < top + to_int32(Height);
}

Image& PictureBox::hDC() {
    surface_.grow_to(to_int32(Width), to_int32(Height));
    mark_dirty();
    return surface_;
}

void PictureBox::SetPicture(const Image& picture) {
    surface_ = picture;
    surface_.grow_to(to_int32(Width), to_int32(Height));
    mark_dirty();
}

void PictureBox::Refresh() { mark_dirty(); }

void PictureBox::draw(Image& frame, int origin_x, int origin_y) {
    surface_.grow_to(to_int32(Width), to_int32(Height));  // a box is opaque, black where undrawn
    BitBlt(frame, origin_x + to_int32(Left), origin_y + to_int32(Top), to_int32(Width),
           to_int32(Height), surface_, 0, 0, SRCCOPY);
}

void Label::SetForeColor(int red, int green, int blue) {
    fore_colour_ = rgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
    mark_dirty();
}

void Label::draw(Image& frame, int origin_x, int origin_y) {
    const std::string& caption = Caption;
    if (caption.empty()) return;
    const int width = to_int32(Width);
    if (caption != cached_caption_ || fore_colour_ != cached_colour_ || font_points != cached_points_ ||
        width != cached_width_) {
        cached_text_ = backend().render_text(caption, font_points, fore_colour_);
        // A text wider than its label is narrowed to fit rather than cut off: a name of eight
        // wide capitals stays whole in its column.
        if (width > 0 && cached_text_.width > width) cached_text_ = narrow_text(cached_text_, width);
        cached_caption_ = caption;
        cached_colour_ = fore_colour_;
        cached_points_ = font_points;
        cached_width_ = width;
    }
    int x = origin_x + to_int32(Left);
    if (alignment == Align::Right) x += width - cached_text_.width;
    if (alignment == Align::Center) x += (width - cached_text_.width) / 2;
    const int y = origin_y + to_int32(Top);
    // The text image carries its coverage in the top byte: blend it over what lies beneath,
    // within the label's own rectangle.
    const int clip_left = origin_x + to_int32(Left), clip_right = clip_left + width;
    const int clip_bottom = y + to_int32(Height);
    for (int ty = 0; ty < cached_text_.height; ++ty) {
        const int fy = y + ty;
        if (fy < 0 || fy >= frame.height || fy >= clip_bottom) continue;
        for (int tx = 0; tx < cached_text_.width; ++tx) {
            const int fx = x + tx;
            if (fx < 0 || fx >= frame.width || fx < clip_left || fx >= clip_right) continue;
            const uint32_t src = cached_text_.at(tx, ty);
            const uint32_t alpha = src >> 24;
            if (alpha == 0) continue;
            uint32_t& dst = frame.at(fx, fy);
            uint32_t out = 0;
            for (int shift = 0; shift <= 16; shift += 8) {
                const uint32_t s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
                out |= ((s * alpha + d * (255 - alpha)) / 255) << shift;
            }
            dst = out;
        }
    }
}

void Line::set(int x1, int y1, int x2, int y2, uint32_t colour) {
    X1 = x1, Y1 = y1, X2 = x2, Y2 = y2;
    BorderColor = colour;
    mark_dirty();
}

void Line::draw(Image& frame, int origin_x, int origin_y) {
    int x = X1, y = Y1;
    const int dx = std::abs(X2 - X1), dy = -std::abs(Y2 - Y1);
    const int sx = X1 < X2 ? 1 : -1, sy = Y1 < Y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        const int px = origin_x + x, py = origin_y + y;
        if (px >= 0 && py >= 0 && px < frame.width && py < frame.height) frame.at(px, py) = BorderColor;
        if (x == X2 && y == Y2) break;
        const int twice = 2 * error;
        if (twice >= dy) { error += dy; x += sx; }
        if (twice <= dx) { error += dx; y += sy; }
    }
}
}  // namespace rt
