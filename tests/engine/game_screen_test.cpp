#include "engine/game_screen.h"

#include <gtest/gtest.h>

#include "frame/picture_store.h"
#include "support/game_test.h"
#include "support/tiles.h"

namespace {
class GameScreenTest : public GameTest {};

// The first use of the screen loads it, and so does the next one after an unload.
TEST_F(GameScreenTest, UnloadAndNextUseRunFormLoadAgain) {
    for (int use = 1; use <= 2; ++use) {
        SCOPED_TRACE(use);
        EXPECT_TRUE(shows_picture(Form1->Picture14.Picture(), 0, 0, Form2->Picture14.Picture()));
        EXPECT_TRUE(shows_picture(Form1->Picture8.Picture(), 0, 0, Form1->Picture5.Picture()));
        Form1->Picture14.hDC().fill(rgb(9, 9, 9));
        Form1->Picture8.hDC().fill(rgb(9, 9, 9));
        Form1.Unload();
    }
}
}  // namespace
