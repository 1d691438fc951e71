#include <gtest/gtest.h>

#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/image.h"
#include "support/game_test.h"

namespace {
using NewGamePanels = GameTest;

bool same(const Image& a, const Image& b) { return a.width == b.width && a.height == b.height && a.pixels == b.pixels; }

// What the last game left in the group column and the two meters must be gone when the next one
// starts: a stale column shows groups nobody has made yet, a stale meter a fill nobody has.
TEST_F(NewGamePanels, StartEmpty) {
    new_game(2);
    const Image empty_column = Form2->Picture13.Picture();
    draw_meters();
    const Image empty_meter1 = Form1->Picture5.Picture(), empty_meter2 = Form1->Picture8.Picture();

    // The last game: groups in the column, both meters half way and their thresholds lowered.
    Form1->Picture13.SetPicture(Image(32, 416, rgb(200, 0, 0)));
    stand1 = stand2 = skala / 2.0;
    schwelle1 = schwelle2 = skala * 0.6;
    draw_meters();
    ASSERT_FALSE(same(Form1->Picture5.Picture(), empty_meter1));

    spiel_initialisieren();

    EXPECT_TRUE(same(Form1->Picture13.Picture(), empty_column));
    EXPECT_TRUE(same(Form1->Picture5.Picture(), empty_meter1));
    EXPECT_TRUE(same(Form1->Picture8.Picture(), empty_meter2));
}
}  // namespace
