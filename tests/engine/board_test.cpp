#include <gtest/gtest.h>

#include "engine/board.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"

namespace {
class Board : public GameTest {
protected:
    void start(int16_t difficulty) {
        schwierigkeit = difficulty;
        spiel_initialisieren();
        steinfolge_erzeugen();
        loesche_spielfeld();
    }
};

TEST_F(Board, ClearingBuildsWallsFloorAndEmptyPlay) {
    start(2);
    spielfeld1(3, 5) = 7;
    blink_zaehler2(4, 4) = 2;
    loesche_spielfeld();
    for (const spielfeld* board : {&spielfeld1, &spielfeld2}) {
        for (int y = 1; y <= 20; ++y) {
            EXPECT_EQ((*board)(0, y), 99);
            EXPECT_EQ((*board)(10, y), 99);
        }
        for (int x = 1; x <= 9; ++x) {
            EXPECT_EQ((*board)(x, 0), 0);
            EXPECT_EQ((*board)(x, 19), 99);
            EXPECT_EQ((*board)(x, 20), 99);
            for (int y = 1; y <= 18; ++y) EXPECT_EQ((*board)(x, y), 0);
        }
    }
    EXPECT_EQ(blink_zaehler2(4, 4), 10);
}

TEST_F(Board, ANewGameAfterSixColumnsClearsTheOldWallColumn) {
    start(1);
    spielfeld1(7, 10) = 99;  // the wall of a six-column board
    loesche_spielfeld();
    EXPECT_EQ(spielfeld1(7, 10), 0);
}

TEST_F(Board, StartRowsFillTheBottomRowsAlikeWithoutNeighboursOfOneColour) {
    for (int16_t difficulty : {1, 2, 3}) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            Randomize(seed);
            start(difficulty);
            fuelle_reihen(start_reihen);
            SCOPED_TRACE(testing::Message() << "difficulty " << difficulty << " seed " << seed);
            const int top = 19 - start_reihen;
            for (int x = 1; x <= 9; ++x) {
                for (int y = 2; y <= 18; ++y) {
                    const int16_t v = spielfeld1(x, y);
                    EXPECT_EQ(v, spielfeld2(x, y));
                    if (y < top) {
                        EXPECT_EQ(v, 0);
                        continue;
                    }
                    ASSERT_TRUE(v >= 1 && v <= 10);
                    if (v == feldwert::blockstein) continue;
                    EXPECT_LE(v, stein_arten);
                    EXPECT_NE(v, spielfeld1(x + 1, y));
                    EXPECT_NE(v, spielfeld1(x, y + 1));
                }
            }
        }
    }
}

TEST_F(Board, StartBlockersLieInTheirRowsOnBothBoards) {
    const struct {
        int16_t difficulty;
        int most, top_row;
    } cases[] = {{1, 0, 19}, {2, 5, 14}, {3, 10, 12}};
    for (const auto& c : cases) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            Randomize(seed);
            start(c.difficulty);
            fuelle_reihen(start_reihen);
            int blockers = 0;
            for (int x = 1; x <= 9; ++x) {
                for (int y = 1; y <= 18; ++y) {
                    if (spielfeld1(x, y) != feldwert::blockstein) continue;
                    ++blockers;
                    EXPECT_GE(y, c.top_row);
                }
            }
            EXPECT_LE(blockers, c.most);
            EXPECT_EQ(blockers > 0, c.most > 0);
        }
    }
}

TEST_F(Board, ZeroRowsFillNothing) {
    start(1);
    fuelle_reihen(0);
    for (int x = 1; x <= 9; ++x)
        for (int y = 2; y <= 18; ++y) EXPECT_EQ(spielfeld1(x, y), 0);
}
}  // namespace
