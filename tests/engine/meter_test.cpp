#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/side.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/boards.h"
#include "support/game_test.h"

namespace {
using namespace feldwert;

struct Twin {
    const char* name;
    BoardSide& (*side)();
    void (*tick)();
    void (*remove)();
};
const Twin kTwins[] = {{"board 1", side1, counting, delete_one}, {"board 2", side2, counting2, delete_one2}};

class MeterTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        new_game(1);  // 9 columns, scale 473, growth step 0.002
    }

    // Clears both boards for the column count and lays the cells onto one.
    static void lay(spielfeld& board, int16_t columns, const std::vector<Cell>& cells) {
        spalten = columns;
        set_column_values();
        loesche_spielfeld();
        put(board, cells);
    }

    static std::vector<Cell> blocksteine(int columns, int rows_from_bottom) {
        std::vector<Cell> cells;
        for (int x = 1; x <= columns; ++x)
            for (int y = 18; y > 18 - rows_from_bottom; --y) cells.push_back({x, y, blockstein});
        return cells;
    }
};

TEST_F(MeterTest, ProgressGrowsByAQuarterOfTheCoverAndPassesOnlyAboveTheThreshold) {
    struct Case {
        const char* what;
        int16_t columns;
        std::vector<Cell> cells;
        double stand, stand_after;  // against a threshold held at the scale, 473 or 315
        bool removes;
    };
    std::vector<Cell> seventeen, falling;  // a column of them; a row over empty cells
    for (int i = 2; i <= 18; ++i) seventeen.push_back({4, i, blockstein});
    for (int i = 1; i <= 9; ++i) falling.push_back({i, 10, blockstein});
    // Of eight columns only (5, 10) counts: the entry row, a ninth column and other stones do not.
    const std::vector<Cell> outside = {{3, 1, blockstein},  {9, 18, blockstein}, {2, 18, reihenstein},
                                       {3, 18, kreuzstein}, {4, 18, 20000},      {5, 10, blockstein}};
    const Case cases[] = {
        {"none", 9, {}, 100, 100, false},
        // The share is single precision: 1700 / 153 as a float, then a quarter of it.
        {"17 of 153", 9, seventeen, 100, 100 + static_cast<double>(1700.0f / 153.0f) / 4, false},
        {"full board", 9, blocksteine(9, 17), 100, 125, false},
        {"full board of 6 columns", 6, blocksteine(6, 17), 100, 125, false},
        {"only play rows and columns count", 8, outside, 100, 100 + static_cast<double>(100.0f / 136.0f) / 4, false},
        {"progress equal to the threshold", 9, blocksteine(9, 17), 448, 473, false},
        {"progress just above", 9, blocksteine(9, 17), 448.5, 0.5, true},
        {"every blockstein still falling", 9, falling, 473, static_cast<double>(900.0f / 153.0f) / 4, false},
        {"a resting one in the entry row alone", 9, {{4, 1, blockstein}, {4, 2, 3}}, 480, 7, false},
    };
    for (const Twin& twin : kTwins)
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(twin.name) + ": " + c.what);
            BoardSide& side = twin.side();
            lay(side.board, c.columns, c.cells);
            side.stand = c.stand;
            side.schwelle = skala;
            backend.sounds_played.clear();
            const spielfeld before = side.board;
            twin.tick();
            // Of a full board any one resting blockstein may go.
            int vanished = 0;
            for (size_t i = 0; i < before.cells.size(); ++i)
                vanished += side.board.cells[i] == before.cells[i] ? 0 : side.board.cells[i] == verschwinden ? 1 : 100;
            EXPECT_EQ(values(side.stand, vanished), values(c.stand_after, c.removes));
            EXPECT_EQ(backend.sounds_played, c.removes ? std::vector<int>{4} : std::vector<int>{});
        }
}

TEST_F(MeterTest, ThresholdGrowsFasterEachTickUpToTheScale) {
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        BoardSide& side = twin.side();
        side.schwelle = 400;
        side.zuwachs = zuwachs_start;
        twin.tick();
        twin.tick();
        EXPECT_DOUBLE_EQ(side.schwelle, 400.022 + 0.024);  // grown before it is added
        EXPECT_DOUBLE_EQ(side.zuwachs, 0.024);

        // Capped in the tick that passes the scale; a lowered scale cuts it at the next tick.
        side.schwelle = 472.99;
        twin.tick();
        EXPECT_EQ(side.schwelle, 473);
        skala = 420;
        twin.tick();
        EXPECT_EQ(side.schwelle, 420);
        skala = 473;
    }
}

// Twenty columns drawn a row, bottom first, coming round again for a lone stone high up. The rows
// come first: a search that cannot draw some column would hang on the lone stones below.
TEST_F(MeterTest, DeleteOneDrawsTwentyColumnsARowAndComesRoundToTheOnlyQualifyingStone) {
    for (const Twin& twin : kTwins)
        for (uint32_t seed = 1; seed <= 60; ++seed)
            for (int c = 1; c <= 9; ++c) {
                SCOPED_TRACE(testing::Message() << twin.name << ": column " << c << ", seed " << seed);
                Randomize(seed);
                bool drawn = false;
                for (int i = 0; i < 20; ++i) drawn |= static_cast<int>(Rnd() * 9.0f) + 1 == c;
                // Row 18 qualifies only in column c, row 17 everywhere.
                BoardSide& side = twin.side();
                lay(side.board, 9, blocksteine(9, 2));
                for (int x = 1; x <= 9; ++x)
                    if (x != c) side.board(x, 18) = 1;
                Randomize(seed);
                twin.remove();
                int row17 = 0;
                for (int x = 1; x <= 9; ++x) row17 += side.board(x, 17) == verschwinden ? 1 : 0;
                ASSERT_EQ(values(side.board(c, 18) == verschwinden, row17), values(drawn, !drawn));
            }

    struct Case {
        const char* what;
        int16_t columns;
        Cell target;
        std::vector<Cell> around;
    };
    const Case cases[] = {
        {"on the floor", 9, {9, 18}, {}},
        {"at the top on a stone", 9, {5, 2}, {{5, 3, 2}}},
        {"on a blockstein above an empty cell", 9, {7, 11}, {{7, 12, blockstein}}},
        {"six columns, others beyond play", 6, {6, 4}, {{6, 5, 1}, {8, 18, blockstein}, {9, 18, blockstein}}},
    };
    // Blocksteine that do not qualify: over an empty cell and over a falling stone.
    const std::vector<Cell> others = {{2, 10, blockstein}, {3, 17, blockstein}, {3, 18, 104}};
    for (const Twin& twin : kTwins)
        for (const Case& c : cases)
            for (uint32_t seed = 1; seed <= 300; ++seed) {
                SCOPED_TRACE(std::string(twin.name) + ": " + c.what + ", seed " + std::to_string(seed));
                BoardSide& side = twin.side();
                lay(side.board, c.columns, others);
                put(side.board, c.around);
                spielfeld expected = side.board;
                side.board(c.target.x, c.target.y) = blockstein;
                expected(c.target.x, c.target.y) = verschwinden;
                Randomize(seed);
                backend.sounds_played.clear();
                twin.remove();
                ASSERT_EQ(side.board, expected);
                ASSERT_EQ(backend.sounds_played, std::vector<int>{4});
            }
}

TEST_F(MeterTest, BarShowsFilledToTheProgressAndFromTheThreshold) {
    struct Case {
        double stand, schwelle;
        int filled_to, filled_from;  // bar pixel columns; the progress may reach past 280
    };
    // Scale 400: pixel = 0.7 × value, each rounded on its own, a half to the even one.
    const Case cases[] = {
        {0, 400, 0, 280},   {15, 215, 10, 150},    // 10.5 and 150.5 go down
        {25, 225, 18, 158},                        // 17.5 and 157.5 go up
        {100, 100, 70, 70}, {420, 400, 294, 280},  // the pass's tick runs past the bar's end
    };
    zuwachs_beschl = 0;
    const Image& filled = Form1->Picture6.Picture();
    const Image& empty = Form1->Picture7.Picture();
    for (const Twin& twin : kTwins)
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << twin.name << ": " << c.stand << " / " << c.schwelle);
            BoardSide& side = twin.side();
            lay(side.board, 9, {});
            skala = 400;
            side.stand = c.stand;
            side.schwelle = c.schwelle;
            side.zuwachs = 0;
            Image expected = side.meter().Picture();
            twin.tick();
            // Past the bar's end the copy shows what lies at the source's edge.
            for (int x = 0; x + 4 < expected.width && x < std::max(280, std::min(c.filled_to, filled.width)); ++x)
                for (int y = 0; y < 24; ++y)
                    expected.at(x + 4, y + 4) = (x < c.filled_to || x >= c.filled_from ? filled : empty).at(x, y);
            EXPECT_TRUE(side.meter().Picture().pixels == expected.pixels);
        }
}
}  // namespace
