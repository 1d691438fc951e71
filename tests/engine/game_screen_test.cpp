#include <gtest/gtest.h>

#include "engine/game_screen.h"
#include "frame/picture_store.h"
#include "runtime/desktop.h"
#include "support/game_test.h"
#include "support/tiles.h"

namespace {
class GameScreenTest : public GameTest {};

TEST_F(GameScreenTest, UnloadAndNextUseRunFormLoadAgain) {
    auto check_loaded = [] {
        EXPECT_TRUE(shows_picture(Form1->Picture14.Picture(), 0, 0, Form2->Picture14.Picture()));
        EXPECT_TRUE(shows_picture(Form1->Picture8.Picture(), 0, 0, Form1->Picture5.Picture()));
    };
    check_loaded();
    EXPECT_TRUE(Form2.loaded());
    EXPECT_FALSE(Form1->shown());
    EXPECT_FALSE(Form2->shown());

    Form1->Picture14.hDC().fill(rgb(9, 9, 9));
    Form1->Picture8.hDC().fill(rgb(9, 9, 9));
    Form1.Unload();
    EXPECT_FALSE(Form1.loaded());
    check_loaded();
}

// The "Pause" caption lies behind the player's board: it shows only while the board is hidden.
TEST_F(GameScreenTest, PauseCaptionShowsOnlyWhileThePlayersBoardIsHidden) {
    Form1->Show();
    Form1->Picture2.hDC().fill(rgb(200, 0, 0));
    const auto& caption = Form1->Picture20;
    const int left = static_cast<int>(caption.Left.get()), top = static_cast<int>(caption.Top.get());
    auto caption_region = [&] {
        const Image& frame = rt::desktop().compose();
        Image region(caption.Picture().width, caption.Picture().height);
        BitBlt(region, 0, 0, region.width, region.height, frame, left, top, SRCCOPY);
        return region;
    };
    EXPECT_EQ(caption_region().pixels, Image(106, 31, rgb(200, 0, 0)).pixels);
    Form1->Picture2.Visible = false;
    EXPECT_EQ(caption_region().pixels, caption.Picture().pixels);
}
}  // namespace
