#include <gtest/gtest.h>

#include "engine/game_screen.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "runtime/image.h"
#include "support/game_test.h"

namespace {
using NewGameColumn = GameTest;

// The group tiles of the game before must be gone when the next one starts: its first tile goes
// to the bottom again, and a stale column would show groups nobody has made yet.
TEST_F(NewGameColumn, StartsEmpty) {
    new_game(2);
    const Image empty = Form2->Picture13.Picture();
    Form1->Picture13.SetPicture(Image(32, 416, rgb(200, 0, 0)));  // the last game's groups

    spiel_initialisieren();

    const Image& shown = Form1->Picture13.Picture();
    EXPECT_TRUE(shown.width == empty.width && shown.height == empty.height && shown.pixels == empty.pixels);
}
}  // namespace
