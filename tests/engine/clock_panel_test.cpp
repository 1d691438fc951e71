#include <gtest/gtest.h>

#include <vector>

#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "frame/picture_store.h"
#include "frame/state.h"
#include "runtime/desktop.h"
#include "support/game_test.h"
#include "support/tiles.h"

namespace {
class ClockPanelTest : public GameTest {};

// mm:ss in the given colour group, read from an image whose clock panel starts at (left, top).
std::string clock_shown(const Image& img, int left, int top, int first_tile) {
    return digits_shown(img, left + 2, 22, top + 4, 2, first_tile, 22) + ":" +
           digits_shown(img, left + 56, 22, top + 4, 2, first_tile, 22);
}

// The panel's own picture, with the clock between the boards on screen.
TEST_F(ClockPanelTest, ShowsMinutesAndSecondsRedWithATickInTheLastMinute) {
    constexpr int kGreen = 0, kRed = 40;
    const struct {
        int16_t seconds_left;
        const char* shown;
        int colour;
        int16_t left_after;
    } cases[] = {
        {600, "10:00", kGreen, 600},   {60, "01:00", kGreen, 60}, {59, "00:59", kRed, 59},
        {0, "00:00", kRed, 0},         {-46, "00:00", kRed, 0},   {1805, "30:05", kGreen, 1805},
        {6005, "00:05", kGreen, 6005},  // 100 minutes and more: the last two minute digits
    };
    const Image& background = Form2->Picture14.Picture();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds_left);
        Form1->Picture14.hDC().fill(rgb(1, 2, 3));
        backend.sounds_played.clear();
        restzeit = c.seconds_left;
        spielsekunden = 7;
        show_uhr();
        const Image& panel = Form1->Picture14.Picture();
        EXPECT_EQ(clock_shown(panel, 0, 0, c.colour), c.shown);
        // The colon and the frame come from the background.
        EXPECT_TRUE(shows_tile(panel, 0, 0, 104, 4, background));
        for (int x = 46; x < 56; ++x)
            for (int y = 0; y < 30; ++y) ASSERT_EQ(panel.at(x, y), background.at(x, y));
        EXPECT_EQ(backend.sounds_played, c.colour == kRed ? std::vector<int>{6} : std::vector<int>{});
        EXPECT_EQ(values(restzeit, spielsekunden), values(c.left_after, 8));
    }
    Form1->Show();
    EXPECT_EQ(clock_shown(rt::desktop().compose(), 348, 567, 0), "00:05");
}
}  // namespace
