#include "runtime/scaler.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace rt {
namespace {
// source[i]: the frame line nearest to the centre of shown line i; first[f]: the first shown
// line whose source is f or beyond.
void map_lines(int frame_lines, int shown_lines, std::vector<int>& source, std::vector<int>& first) {
    source.resize(static_cast<size_t>(shown_lines));
    for (int i = 0; i < shown_lines; ++i)
        source[static_cast<size_t>(i)] =
            static_cast<int>((2 * static_cast<int64_t>(i) + 1) * frame_lines / (2 * static_cast<int64_t>(shown_lines)));
    first.assign(static_cast<size_t>(frame_lines) + 1, shown_lines);
    for (int i = shown_lines - 1; i >= 0; --i) first[static_cast<size_t>(source[static_cast<size_t>(i)])] = i;
    for (int f = frame_lines - 1; f >= 0; --f)
        first[static_cast<size_t>(f)] = std::min(first[static_cast<size_t>(f)], first[static_cast<size_t>(f) + 1]);
}

int outside(int offset, int shown_lines, int frame_lines) {
    return static_cast<int>(std::floor(static_cast<double>(offset) * frame_lines / shown_lines));
}
}  // namespace

void Scaler::fit(int frame_width, int frame_height, int window_width, int window_height) {
    frame_width_ = frame_width;
    frame_height_ = frame_height;
    // The fuller side fills the window, the other is centred between black bars.
    const double scale =
        std::min(static_cast<double>(window_width) / frame_width, static_cast<double>(window_height) / frame_height);
    const int w = std::clamp(static_cast<int>(std::floor(frame_width * scale + 1e-9)), 1, std::max(1, window_width));
    const int h = std::clamp(static_cast<int>(std::floor(frame_height * scale + 1e-9)), 1, std::max(1, window_height));
    shown_ = {(window_width - w) / 2, (window_height - h) / 2, w, h};
    map_lines(frame_width, w, source_x_, first_x_);
    map_lines(frame_height, h, source_y_, first_y_);
}

Rect Scaler::to_window(const Rect& r) const {
    const Rect in = intersection(r, {0, 0, frame_width_, frame_height_});
    if (in.empty()) return {};
    const int x0 = first_x_[static_cast<size_t>(in.x)], x1 = first_x_[static_cast<size_t>(in.right())];
    const int y0 = first_y_[static_cast<size_t>(in.y)], y1 = first_y_[static_cast<size_t>(in.bottom())];
    return {shown_.x + x0, shown_.y + y0, x1 - x0, y1 - y0};
}

int Scaler::frame_x(int window_x) const {
    const int i = window_x - shown_.x;
    if (i >= 0 && i < shown_.w) return source_x_[static_cast<size_t>(i)];
    return outside(i, shown_.w, frame_width_);
}

int Scaler::frame_y(int window_y) const {
    const int i = window_y - shown_.y;
    if (i >= 0 && i < shown_.h) return source_y_[static_cast<size_t>(i)];
    return outside(i, shown_.h, frame_height_);
}

int Scaler::window_x(int frame_x) const {
    return shown_.x + first_x_[static_cast<size_t>(std::clamp(frame_x, 0, frame_width_ - 1))];
}

int Scaler::window_y(int frame_y) const {
    return shown_.y + first_y_[static_cast<size_t>(std::clamp(frame_y, 0, frame_height_ - 1))];
}

void Scaler::scale(const Image& frame, const Rect& r, uint32_t* window, int pitch) const {
    const Rect out = to_window(r);
    if (out.empty()) return;
    const int* source = &source_x_[static_cast<size_t>(out.x - shown_.x)];
    const size_t bytes = sizeof(uint32_t) * static_cast<size_t>(out.w);
    const uint32_t* last_source_row = nullptr;
    const uint32_t* last_row = nullptr;
    for (int y = out.y; y < out.bottom(); ++y) {
        uint32_t* row = window + static_cast<size_t>(y) * static_cast<size_t>(pitch) + out.x;
        const uint32_t* source_row = &frame.pixels[static_cast<size_t>(source_y_[static_cast<size_t>(y - shown_.y)]) *
                                                   static_cast<size_t>(frame.width)];
        // Window rows that show the same frame row are copies of the first of them.
        if (source_row == last_source_row) {
            std::memcpy(row, last_row, bytes);
            continue;
        }
        for (int x = 0; x < out.w; ++x) row[x] = source_row[source[x]];
        last_source_row = source_row;
        last_row = row;
    }
}
}  // namespace rt
