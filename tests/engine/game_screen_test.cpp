#include "engine/game_screen.h"

#include <gtest/gtest.h>

#include "frame/picture_store.h"
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

}  // namespace
