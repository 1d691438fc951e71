#include "engine/board.h"

#include <gtest/gtest.h>

#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"

namespace {
class Board : public GameTest {};

TEST_F(Board, ClearingBuildsWallsFloorAndEmptyPlay) {
    new_game(1);  // six columns leave a wall in column 7 behind
    blink_zaehler2(4, 4) = 2;
    new_game(2);
    spielfeld walled{};
    for (int y = 1; y <= 20; ++y) walled(0, y) = walled(10, y) = feldwert::wand;
    for (int x = 1; x <= 9; ++x) walled(x, 19) = walled(x, 20) = feldwert::wand;
    EXPECT_EQ(spielfeld1, walled);
    EXPECT_EQ(spielfeld2, walled);
    EXPECT_EQ(blink_zaehler2(4, 4), 10);
}

// Both boards get the same start rows, no two neighbours of one colour, and the difficulty's
// blocksteine only in its lowest rows.
TEST_F(Board, StartRowsFillTheBottomRowsAlikeWithBlockersLow) {
    const struct {
        int16_t difficulty;
        int most_blockers, top_blocker_row;
    } cases[] = {{1, 0, 19}, {2, 5, 14}, {3, 10, 12}};
    for (const auto& c : cases) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE(testing::Message() << "difficulty " << c.difficulty << " seed " << seed);
            Randomize(seed);
            new_game(c.difficulty);
            steinfolge_erzeugen();
            fuelle_reihen(start_reihen);
            EXPECT_EQ(spielfeld1, spielfeld2);
            int blockers = 0;
            for (int x = 1; x <= 9; ++x)
                for (int y = 2; y <= 18; ++y) {
                    const int16_t v = spielfeld1(x, y);
                    if (y < 19 - start_reihen) {
                        EXPECT_EQ(v, 0);
                    } else if (v == feldwert::blockstein) {
                        ++blockers;
                        EXPECT_GE(y, c.top_blocker_row);
                    } else {
                        EXPECT_TRUE(v >= 1 && v <= stein_arten && v != spielfeld1(x + 1, y) &&
                                    v != spielfeld1(x, y + 1))
                            << x << "," << y;
                    }
                }
            EXPECT_LE(blockers, c.most_blockers);
            EXPECT_EQ(blockers > 0, c.most_blockers > 0);
        }
    }
}
}  // namespace
