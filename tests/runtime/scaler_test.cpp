#include "runtime/scaler.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {
struct Screen {
    int width, height;
    Rect shown;  // where the 800 × 600 frame lies
};

const Screen kScreens[] = {
    {800, 600, {0, 0, 800, 600}},        // as it is
    {1920, 1080, {240, 0, 1440, 1080}},  // bars left and right
    {1280, 1024, {0, 32, 1280, 960}},    // bars above and below
    {1600, 1200, {0, 0, 1600, 1200}},    // twice
    {1366, 768, {171, 0, 1024, 768}},    // an odd margin
    {640, 480, {0, 0, 640, 480}},        // smaller than the frame
};

// The frame fills the fuller side, keeps its aspect and stands centred. Each window pixel shows
// the frame pixel nearest its centre; a frame rectangle maps to exactly the window pixels that
// show it, and the pointer maps back to the pixel it points at.
TEST(Scaler, EveryWindowPixelShowsTheNearestFramePixelOfTheCentredFrame) {
    std::mt19937 random(11);
    Image frame(800, 600);
    for (uint32_t& p : frame.pixels) p = random() & 0xFFFFFFu;
    for (const Screen& s : kScreens) {
        rt::Scaler scaler;
        scaler.fit(800, 600, s.width, s.height);
        EXPECT_EQ(scaler.shown(), s.shown) << s.width << "x" << s.height;
        std::vector<uint32_t> window(static_cast<size_t>(s.width) * s.height, 0xDEADu);
        const Rect part{123, 45, 321, 234};
        scaler.scale(frame, part, window.data(), s.width);
        const Rect out = scaler.to_window(part);
        for (int y = 0; y < s.height; ++y) {
            for (int x = 0; x < s.width; ++x) {
                const int fx = scaler.frame_x(x), fy = scaler.frame_y(y);
                const double nearest_x = (x - s.shown.x + 0.5) * 800.0 / s.shown.w;
                const double nearest_y = (y - s.shown.y + 0.5) * 600.0 / s.shown.h;
                const bool inside_shown =
                    x >= s.shown.x && x < s.shown.right() && y >= s.shown.y && y < s.shown.bottom();
                if (inside_shown) {
                    ASSERT_EQ(fx, static_cast<int>(nearest_x)) << s.width << " at " << x;
                    ASSERT_EQ(fy, static_cast<int>(nearest_y)) << s.height << " at " << y;
                } else {
                    ASSERT_TRUE(fx < 0 || fx >= 800 || fy < 0 || fy >= 600) << x << "," << y;
                }
                const bool shows_part =
                    inside_shown && fx >= part.x && fx < part.right() && fy >= part.y && fy < part.bottom();
                const bool in_out = x >= out.x && x < out.right() && y >= out.y && y < out.bottom();
                ASSERT_EQ(shows_part, in_out) << s.width << "x" << s.height << " at " << x << "," << y;
                const uint32_t pixel = window[static_cast<size_t>(y) * s.width + x];
                ASSERT_EQ(pixel, shows_part ? frame.at(fx, fy) : 0xDEADu) << x << "," << y;
            }
        }
        if (s.shown.w < 800) continue;  // shrunk, some frame pixels show nowhere
        for (int f = 0; f < 800; f += 7) EXPECT_EQ(scaler.frame_x(scaler.window_x(f)), f);
        for (int f = 0; f < 600; f += 7) EXPECT_EQ(scaler.frame_y(scaler.window_y(f)), f);
    }
}
}  // namespace
