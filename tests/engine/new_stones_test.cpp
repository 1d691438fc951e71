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
        pos_x1 = 3, pos_y1 = 7;
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
    folge_zeiger[1] = 999, folge_zeiger[2] = 1000;
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

// Of S cells, S - 3 settled take the penalty once: the lowest seven rows vanish, with sounds, the
// clock and a popup at the player's cursor; fewer than S - 10 let it come again. The player's full
// board costs a minute, the computer's gives the player one.
TEST_F(NewStonesTest, FullBoardPenaltyOncePerFilling) {
    struct Case {
        int board;
        int16_t columns;
        int settled;
        int16_t flag_before;
        bool penalty;
        int16_t flag_after;
    };
    const Case cases[] = {
        {1, 9, 150, kFalse, true, kTrue},  {1, 9, 149, kFalse, false, kFalse}, {1, 9, 153, kTrue, false, kTrue},
        {1, 9, 143, kTrue, false, kTrue},  {1, 9, 142, kTrue, false, kFalse},  {1, 6, 99, kFalse, true, kTrue},
        {1, 6, 98, kFalse, false, kFalse}, {1, 6, 92, kTrue, false, kTrue},    {1, 6, 91, kTrue, false, kFalse},
        {2, 9, 150, kFalse, true, kTrue},  {2, 9, 142, kTrue, false, kFalse},
    };
    struct Twin {
        void (*stone)(int16_t);
        spielfeld* board;
        int16_t* flag;
        std::vector<int> sounds;
        int16_t clock;
        Popup popup;
    };
    const Twin twins[] = {
        {neuer_stein1, &spielfeld1, &voll1, {4, 9}, 540, {.kind = 3, .seconds = -60, .x = 3, .y = 7}},
        {neuer_stein2, &spielfeld2, &voll2, {7, 4, 8}, 660, {.kind = 2, .seconds = 60, .x = 3, .y = 7}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "board " << c.board << ", " << c.columns << " columns, " << c.settled);
        const Twin& t = twins[c.board - 1];
        use_columns(c.columns);
        settle(*t.board, c.settled);
        *t.flag = c.flag_before;
        restzeit = 600;
        set_popup({});
        backend.sounds_played.clear();
        t.stone(0);
        int vanishing = 0;
        for (int x = 1; x <= c.columns; ++x)
            for (int y = 11; y <= 18; ++y) vanishing += (*t.board)(x, y) == feldwert::verschwinden;
        EXPECT_EQ(values(*t.flag, vanishing, restzeit),
                  values(c.flag_after, c.penalty ? 7 * c.columns : 0, c.penalty ? t.clock : 600));
        EXPECT_EQ(backend.sounds_played, c.penalty ? t.sounds : std::vector<int>{});
        EXPECT_EQ(popup_now(), c.penalty ? t.popup : Popup{});
    }
}
}  // namespace
