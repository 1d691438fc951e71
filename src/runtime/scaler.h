#pragma once
#include <cstdint>
#include <vector>

#include "runtime/image.h"

namespace rt {
// Puts a frame on a window of any size: as large as fits with its aspect kept, centred, and
// sharp: each window pixel shows the frame pixel nearest to its centre, nothing is blended.
class Scaler {
public:
    void fit(int frame_width, int frame_height, int window_width, int window_height);

    // Where the frame lies in the window.
    Rect shown() const { return shown_; }
    // The window pixels that show exactly the frame pixels of r.
    Rect to_window(const Rect& r) const;
    // The frame pixel shown at a window pixel; outside the frame's place it lies beyond the frame.
    int frame_x(int window_x) const;
    int frame_y(int window_y) const;
    // A window pixel that shows the given frame pixel.
    int window_x(int frame_x) const;
    int window_y(int frame_y) const;

    // Writes the window pixels showing frame rectangle r into a window-sized block of pixels
    // (pitch in pixels).
    void scale(const Image& frame, const Rect& r, uint32_t* window, int pitch) const;

private:
    int frame_width_ = 0, frame_height_ = 0;
    Rect shown_;
    // For each window column (row) of the shown part, the frame column (row) it shows, and for
    // each frame column (row) the first window column (row) showing it, one more at the end.
    std::vector<int> source_x_, source_y_, first_x_, first_y_;
};
}  // namespace rt
