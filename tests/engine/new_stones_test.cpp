#include <vector>

#include "engine/board.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/state.h"
#include "support/boards.h"
#include "support/game_test.h"
#include "support/popup_state.h"

namespace {
class NewStonesTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        use_columns(9);
        restzeit = 600;
        pos_x1 = 3;
        pos_y1 = 7;
    }
    static void use_columns(int16_t n) {
        spalten = n;
        loesche_spielfeld();
        for (int i = 1; i <= 1000; ++i) {
            folge[i] = static_cast<int16_t>(i % 6 + 1);
            folge_spalte[i] = static_cast<int16_t>(i % n + 1);
        }
    }
};

TEST_F(NewStonesTest, SequencePointerWrapsAfterTheThousandthStone) {
    folge_zeiger[1] = 999;
    folge_zeiger[2] = 1000;
    folge[1000] = 4, folge_spalte[1000] = 2;
    folge[1] = 6, folge_spalte[1] = 8;
    neuer_stein1(0);
    EXPECT_EQ(values(folge_zeiger[1], spielfeld1(2, 1)), values(1000, 4));
    neuer_stein2(0);
    EXPECT_EQ(values(folge_zeiger[2], spielfeld2(8, 1)), values(1, 6));
    neuer_stein1(0);
    EXPECT_EQ(values(folge_zeiger[1], spielfeld1(8, 1)), values(1, 6));
}

// A stone whose column is taken goes to a random free one, as does every attack stone (ii 1 to 3,
// blockstein to kreuzstein), which leaves the sequence alone; a full entry row takes no stone.
TEST_F(NewStonesTest, EntryRowTakesTheStoneInAFreeColumn) {
    for (int ii = 0; ii <= 3; ++ii)
        for (bool full : {false, true}) {
            SCOPED_TRACE(testing::Message() << "ii " << ii << (full ? ", entry row full" : ""));
            loesche_spielfeld();
            folge_zeiger[1] = 0;
            for (int x = 1; x <= 9; ++x) spielfeld1(x, 1) = x == 6 && !full ? 0 : 3;
            neuer_stein1(static_cast<int16_t>(ii));
            const int stone = full ? 3 : ii == 0 ? folge[1] : 9 + ii;
            EXPECT_EQ(values(spielfeld1(6, 1), folge_zeiger[1]), values(stone, ii == 0 && !full));
        }
}

TEST_F(NewStonesTest, FillPercentageCountsSettledCellsAndRoundsHalfToEven) {
    struct Case {
        int16_t columns;
        int settled;
        int16_t percent;
    };
    // 8 columns hold 136 cells: 17 are 12.5 %, 51 are 37.5 %.
    const Case cases[] = {{8, 0, 0}, {8, 17, 12}, {8, 51, 38}, {8, 136, 100}, {9, 1, 1}, {6, 51, 50}};
    for (const Case& c : cases) {
        for (int board : {1, 2}) {
            SCOPED_TRACE(testing::Message() << c.columns << " columns, " << c.settled << " settled, board " << board);
            use_columns(c.columns);
            spielfeld& b = board == 1 ? spielfeld1 : spielfeld2;
            settle(b, c.settled);
            // Cells in motion or animation and the entry row do not count.
            if (c.settled < 100) {
                b(1, 3) = 1010, b(1, 4) = 105, b(2, 4) = 10003, b(3, 4) = 20000, b(4, 4) = 30041;
                b(5, 1) = 3;
            }
            board == 1 ? neuer_stein1(0) : neuer_stein2(0);
            EXPECT_EQ(board == 1 ? fuellung1 : fuellung2, c.percent);
        }
    }
}

// Thresholds by column count: the penalty from S - 3 settled cells, the flag cleared below S - 10.
TEST_F(NewStonesTest, PenaltyThresholdsAndFlagClearing) {
    struct Case {
        int16_t columns;
        int settled;
        int16_t flag_before;
        bool penalty;
        int16_t flag_after;
    };
    const Case cases[] = {
        {9, 150, kFalse, true, kTrue},  {9, 149, kFalse, false, kFalse}, {9, 153, kTrue, false, kTrue},
        {9, 143, kTrue, false, kTrue},  {9, 142, kTrue, false, kFalse},  {6, 99, kFalse, true, kTrue},
        {6, 98, kFalse, false, kFalse}, {6, 92, kTrue, false, kTrue},    {6, 91, kTrue, false, kFalse},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.columns << " columns, " << c.settled << " settled");
        use_columns(c.columns);
        settle(spielfeld1, c.settled);
        voll1 = c.flag_before;
        restzeit = 600;
        backend.sounds_played.clear();
        neuer_stein1(0);
        EXPECT_EQ(values(voll1, restzeit, spielfeld1(1, 12) == feldwert::verschwinden),
                  values(c.flag_after, c.penalty ? 540 : 600, c.penalty));
        EXPECT_EQ(backend.sounds_played, (c.penalty ? std::vector<int>{4, 9} : std::vector<int>{}));
    }
}

TEST_F(NewStonesTest, PenaltyOfEitherBoard) {
    struct Case {
        void (*stone)(int16_t);
        spielfeld* board;
        int16_t* flag;
        std::vector<int> sounds;
        int16_t clock, seconds, kind;
    };
    const Case cases[] = {{neuer_stein1, &spielfeld1, &voll1, {4, 9}, 540, -60, 3},
                          {neuer_stein2, &spielfeld2, &voll2, {7, 4, 8}, 660, 60, 2}};
    for (const Case& c : cases) {
        use_columns(9);
        spielfeld& b = *c.board;
        settle(b, 150);
        restzeit = 600;
        voll1 = voll2 = kFalse;
        backend.sounds_played.clear();
        c.stone(0);
        for (int y = 12; y <= 18; ++y)
            for (int x = 1; x <= 9; ++x) ASSERT_EQ(b(x, y), feldwert::verschwinden) << x << "," << y;
        EXPECT_EQ(values(*c.flag, b(1, 11), restzeit), values(kTrue, 5, c.clock));
        EXPECT_EQ(backend.sounds_played, c.sounds);
        EXPECT_EQ(popup_now(), (Popup{.kind = c.kind, .seconds = c.seconds, .x = 3, .y = 7}));
    }
}
}  // namespace
