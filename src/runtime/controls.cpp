#include "runtime/controls.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

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

Rect Control::area() const { return {to_int32(Left), to_int32(Top), to_int32(Width), to_int32(Height)}; }

void Control::collect_changes(int origin_x, int origin_y, std::vector<Rect>& damage) {
    if (!changed_) return;
    const Rect here = area();
    damage.push_back({origin_x + here.x, origin_y + here.y, here.w, here.h});
    changed_ = false;
}

void Control::mark_changed() {
    changed_ = true;
    mark_dirty();
}

namespace {
// Copies the part of an image that falls within clip, the image's corner lying at (x, y).
void blit_clipped(Image& frame, int x, int y, int w, int h, const Image& image, const Rect& clip) {
    const Rect part = intersection({x, y, w, h}, clip);
    if (!part.empty()) BitBlt(frame, part.x, part.y, part.w, part.h, image, part.x - x, part.y - y, SRCCOPY);
}
}  // namespace

void PictureBox::next_generation() {
    static uint64_t last = 0;
    generation_ = ++last;
}

Image& PictureBox::hDC() {
    surface_.grow_to(to_int32(Width), to_int32(Height));
    next_generation();
    mark_changed();
    return surface_;
}

void PictureBox::SetPicture(Image picture) {
    surface_ = std::move(picture);
    surface_.grow_to(to_int32(Width), to_int32(Height));
    next_generation();
    mark_changed();
}

void PictureBox::Refresh() { mark_changed(); }

void PictureBox::copy_changes(int dx, int dy, int w, int h, const Image& src, int sx, int sy) {
    surface_.grow_to(to_int32(Width), to_int32(Height));
    next_generation();
    if (&src == &surface_) {  // a copy within the box may overlap itself
        BitBlt(surface_, dx, dy, w, h, src, sx, sy, SRCCOPY);
        mark_changed();
        return;
    }
    if (!clip_copy(surface_, dx, dy, w, h, src, sx, sy)) return;
    const int columns = (surface_.width + kBlock - 1) / kBlock;
    const size_t blocks = static_cast<size_t>(columns) * static_cast<size_t>((surface_.height + kBlock - 1) / kBlock);
    if (copied_columns_ != columns || copied_.size() != blocks) {
        // The surface grew: what was noted is compared whole instead.
        if (any_copied_) mark_changed();
        copied_.assign(blocks, false);
        copied_columns_ = columns;
        any_copied_ = false;
    }
    auto source = [&](int x, int y) {
        return &src.pixels[static_cast<size_t>(y - dy + sy) * src.width + (x - dx + sx)];
    };
    std::vector<bool> differs;
    for (int band = dy / kBlock * kBlock; band < dy + h; band += kBlock) {
        const int top = std::max(band, dy), bottom = std::min(band + kBlock, dy + h);
        const int first = dx / kBlock, last = (dx + w - 1) / kBlock;
        differs.assign(static_cast<size_t>(last - first + 1), false);
        bool any = false;
        // Whole rows first: most are alike.
        for (int row = top; row < bottom; ++row) {
            if (std::memcmp(&surface_.at(dx, row), source(dx, row), sizeof(uint32_t) * static_cast<size_t>(w)) == 0)
                continue;
            for (int b = first; b <= last; ++b) {
                if (differs[static_cast<size_t>(b - first)]) continue;
                const int left = std::max(b * kBlock, dx), right = std::min((b + 1) * kBlock, dx + w);
                if (std::memcmp(&surface_.at(left, row), source(left, row),
                                sizeof(uint32_t) * static_cast<size_t>(right - left)) != 0)
                    differs[static_cast<size_t>(b - first)] = any = true;
            }
        }
        if (!any) continue;
        for (int b = first; b <= last; ++b) {
            if (!differs[static_cast<size_t>(b - first)]) continue;
            const int left = std::max(b * kBlock, dx), right = std::min((b + 1) * kBlock, dx + w);
            for (int row = top; row < bottom; ++row)
                std::memcpy(&surface_.at(left, row), source(left, row),
                            sizeof(uint32_t) * static_cast<size_t>(right - left));
            copied_[static_cast<size_t>(band / kBlock) * static_cast<size_t>(columns) + static_cast<size_t>(b)] = true;
        }
        any_copied_ = true;
        mark_dirty();
    }
}

void PictureBox::draw(Image& frame, int origin_x, int origin_y, const Rect& clip) {
    surface_.grow_to(to_int32(Width), to_int32(Height));  // a box is opaque, black where undrawn
    blit_clipped(frame, origin_x + to_int32(Left), origin_y + to_int32(Top), to_int32(Width), to_int32(Height),
                 surface_, clip);
}

void PictureBox::take_as_composed() {
    changed_ = false;
    if (any_copied_) copied_.assign(copied_.size(), false);
    any_copied_ = false;
    const int w = to_int32(Width), h = to_int32(Height);
    surface_.grow_to(w, h);
    composed_ = Image(w, h);
    BitBlt(composed_, 0, 0, w, h, surface_, 0, 0, SRCCOPY);
}

void PictureBox::accept_block(int bx, int by, int bw, int bh, int origin_x, int origin_y, std::vector<Rect>& damage) {
    for (int row = by; row < by + bh; ++row)
        std::memcpy(&composed_.at(bx, row), &surface_.at(bx, row), sizeof(uint32_t) * static_cast<size_t>(bw));
    damage.push_back({origin_x + to_int32(Left) + bx, origin_y + to_int32(Top) + by, bw, bh});
}

void PictureBox::collect_changes(int origin_x, int origin_y, std::vector<Rect>& damage) {
    if (!changed_ && !any_copied_) return;
    const int w = to_int32(Width), h = to_int32(Height);
    if (composed_.width != w || composed_.height != h) {
        take_as_composed();
        damage.push_back({origin_x + to_int32(Left), origin_y + to_int32(Top), w, h});
        return;
    }
    surface_.grow_to(w, h);
    // A surface that grew since has other blocks: compared whole.
    if (copied_columns_ * kBlock < w ||
        copied_.size() * kBlock < static_cast<size_t>(copied_columns_) * static_cast<size_t>(h))
        changed_ = true;
    if (!changed_) {
        // Only copy_changes drew: the blocks it wrote are what changed.
        for (int by = 0; by < h; by += kBlock)
            for (int bx = 0; bx < w; bx += kBlock)
                if (copied_[static_cast<size_t>(by / kBlock) * static_cast<size_t>(copied_columns_) +
                            static_cast<size_t>(bx / kBlock)])
                    accept_block(bx, by, std::min(kBlock, w - bx), std::min(kBlock, h - by), origin_x, origin_y,
                                 damage);
        copied_.assign(copied_.size(), false);
        any_copied_ = false;
        return;
    }
    changed_ = false;
    if (any_copied_) copied_.assign(copied_.size(), false);
    any_copied_ = false;
    // Boards are drawn whole but change in a few cells: compare cell-sized blocks with what
    // was shown and keep only those that differ. Whole rows are compared first, as most are alike.
    std::vector<bool> differs;
    for (int by = 0; by < h; by += kBlock) {
        const int bh = std::min(kBlock, h - by);
        differs.assign(static_cast<size_t>((w + kBlock - 1) / kBlock), false);
        for (int row = by; row < by + bh; ++row) {
            if (std::memcmp(&surface_.at(0, row), &composed_.at(0, row), sizeof(uint32_t) * static_cast<size_t>(w)) ==
                0)
                continue;
            for (int bx = 0; bx < w; bx += kBlock) {
                const size_t bytes = sizeof(uint32_t) * static_cast<size_t>(std::min(kBlock, w - bx));
                if (std::memcmp(&surface_.at(bx, row), &composed_.at(bx, row), bytes) != 0)
                    differs[static_cast<size_t>(bx / kBlock)] = true;
            }
        }
        for (int bx = 0; bx < w; bx += kBlock)
            if (differs[static_cast<size_t>(bx / kBlock)])
                accept_block(bx, by, std::min(kBlock, w - bx), bh, origin_x, origin_y, damage);
    }
}

void Label::SetForeColor(int red, int green, int blue) {
    fore_colour_ = rgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
    mark_dirty();
}

void Label::collect_changes(int origin_x, int origin_y, std::vector<Rect>& damage) {
    if (look() == composed_look_) return;
    changed_ = true;
    Control::collect_changes(origin_x, origin_y, damage);
    composed_look_ = look();
}

void Label::take_as_composed() {
    changed_ = false;
    composed_look_ = look();
}

void Label::draw(Image& frame, int origin_x, int origin_y, const Rect& clip) {
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
    const Rect within = intersection(intersection({origin_x + to_int32(Left), y, width, to_int32(Height)}, clip),
                                     {0, 0, frame.width, frame.height});
    for (int ty = 0; ty < cached_text_.height; ++ty) {
        const int fy = y + ty;
        if (fy < within.y || fy >= within.bottom()) continue;
        for (int tx = 0; tx < cached_text_.width; ++tx) {
            const int fx = x + tx;
            if (fx < within.x || fx >= within.right()) continue;
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

Rect Line::area() const { return {std::min(X1, X2), std::min(Y1, Y2), std::abs(X2 - X1) + 1, std::abs(Y2 - Y1) + 1}; }

void Line::collect_changes(int origin_x, int origin_y, std::vector<Rect>& damage) {
    if (BorderColor == composed_colour_) return;
    changed_ = true;
    Control::collect_changes(origin_x, origin_y, damage);
    composed_colour_ = BorderColor;
}

void Line::take_as_composed() {
    changed_ = false;
    composed_colour_ = BorderColor;
}

void Line::draw(Image& frame, int origin_x, int origin_y, const Rect& clip) {
    int x = X1, y = Y1;
    const int dx = std::abs(X2 - X1), dy = -std::abs(Y2 - Y1);
    const int sx = X1 < X2 ? 1 : -1, sy = Y1 < Y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        const int px = origin_x + x, py = origin_y + y;
        if (px >= 0 && py >= 0 && px < frame.width && py < frame.height && px >= clip.x && py >= clip.y &&
            px < clip.right() && py < clip.bottom())
            frame.at(px, py) = BorderColor;
        if (x == X2 && y == Y2) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}
}  // namespace rt
