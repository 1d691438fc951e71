#include <string>
#include <tuple>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/boards.h"
#include "support/game_test.h"
#include "support/popup_state.h"
#include "support/tiles.h"

namespace {
using Rows = std::vector<std::string>;

// The board with the cells written 'x' in `marks` (laid like rows) marked as a group's.
spielfeld with_marks(spielfeld board, const Rows& marks, int bottom = 18) {
    int y = bottom - static_cast<int>(marks.size()) + 1;
    for (const std::string& row : marks) {
        for (size_t i = 0; i < row.size(); ++i)
            if (row[i] == 'x') board(static_cast<int>(i) + 1, y) += feldwert::markiert;
        ++y;
    }
    return board;
}

// The attack stones in a board's entry row.
std::vector<int16_t> entry_row(const spielfeld& board) {
    std::vector<int16_t> stones;
    for (int x = 1; x <= spalten; ++x)
        if (board(x, 1) != 0) stones.push_back(board(x, 1));
    return stones;
}

class GroupCheck : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        new_game(1);  // 9 columns, scale 473
    }
    // Clears the boards and the group counts, and lays rows on one board.
    static spielfeld& fresh(int number, const Rows& rows, int bottom = 18) {
        loesche_spielfeld();
        gruppen1 = gruppen2 = 0;
        lay(side(number).board, rows, bottom);
        return side(number).board;
    }
    static void check(int number) { number == 1 ? spielfeld_pruefen() : spielfeld_pruefen2(); }
};

TEST_F(GroupCheck, GroupSizeDecidesMarksPointsThresholdAndAttack) {
    struct Size {
        double points, schwelle;
        int16_t attack;
    };
    // Board 1 is 30 % full and board 2, measured as the attack stone comes in, 11 %: a group of
    // three is worth 81.
    const Size by_size[] = {{}, {}, {}, {81, 470, 10}, {162, 467, 11}, {324, 461, 12}, {324, 461, 12}};
    struct Case {
        const char* name;
        Rows rows, marks;
        int size, popup_x, popup_y, bottom = 18;
    };
    const Case cases[] = {
        {"column of three on the floor", {"3........", "3........", "3...v.e.."}, {"x", "x", "x"}, 3, 1, 16},
        {"four in a column", {"5", "5", "5", "5"}, {"x", "x", "x", "x"}, 4, 1, 16},
        {"four in a row", {"..2222..."}, {"..xxxx"}, 4, 4, 18},
        {"six in a row", {"666666..."}, {"xxxxxx"}, 6, 4, 18},
        {"L: column first, then the row through its foot", {"7..", "7..", "777"}, {"x", "x", "xxx"}, 5, 1, 18},
        {"T: bar on top, stem below", {"888", "181", "282"}, {"xxx", ".x.", ".x."}, 5, 2, 16},
        {"T: bar on the floor, stem above", {".9.", ".9.", "999"}, {".x.", ".x.", "xxx"}, 5, 2, 16},
        {"column in the entry row", {"..6", "..6", "..6", "..2"}, {"..x", "..x", "..x", ""}, 3, 3, 1, 4},
        {"row in the entry row", {"...555...", "...123..."}, {"...xxx", ""}, 3, 4, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const spielfeld before = fresh(1, c.rows, c.bottom);
        settle(spielfeld2, 17);
        fuellung1 = 30;
        gesamtpunkte = 1000;
        schwelle1 = 473, zuwachs1 = 0.5;
        set_popup({.kind = 3, .seconds = -60, .timer = -1});

        spielfeld_pruefen();

        const Size& s = by_size[c.size];
        EXPECT_EQ(spielfeld1, with_marks(before, c.marks, c.bottom));
        EXPECT_EQ(popup_now(), (Popup{.points = s.points, .x = c.popup_x, .y = c.popup_y}));
        EXPECT_EQ(values(gruppen1, gesamtpunkte, schwelle1, zuwachs1), values(1, 1000 + s.points, s.schwelle, 0.02));
        EXPECT_EQ(entry_row(spielfeld2), std::vector<int16_t>{s.attack});
    }
}

TEST_F(GroupCheck, OneGroupPerCheckInScanOrder) {
    struct Case {
        const char* name;
        Rows rows, first, second;
    };
    const Case cases[] = {
        {"neighbouring columns of one colour: the left one first",
         {"22", "22", "22"},
         {"x", "x", "x"},
         {".x", ".x", ".x"}},
        {"a low row on the left before a high column on the right",
         {"....5", "....5", "....5", "....1", "....2", "....1", "....2", "....1", "333.2"},
         {"", "", "", "", "", "", "", "", "xxx"},
         {"....x", "....x", "....x", "", "", "", "", "", ""}},
        {"one column: the upper group first",
         {"1", "1", "1", "2", "2", "2"},
         {"x", "x", "x", "", "", ""},
         {"x", "x", "x"}},
        {"an earlier triple keeps an L for the next check",
         {"37..", "37..", "3777"},
         {"x", "x", "x"},
         {".x", ".x", ".xxx"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const spielfeld start = fresh(1, c.rows);
        spielfeld_pruefen();
        EXPECT_EQ(spielfeld1, with_marks(start, c.first));
        const spielfeld after_first = spielfeld1;
        spielfeld_pruefen();
        EXPECT_EQ(spielfeld1, with_marks(after_first, c.second));
        EXPECT_EQ(gruppen1, 2);
    }
}

TEST_F(GroupCheck, WhatHoldsUpATriple) {
    const std::tuple<const char*, Rows, int> cases[] = {
        {"row over attack stones", {"111", "BRK"}, 1},
        {"row on the floor", {"111"}, 1},
        {"column on a cell being left", {"1", "1", "1", "q"}, 1},
        {"column on a stone falling in", {"1", "1", "1", "f"}, 1},
        {"column on a marked stone", {"1", "1", "1", "m"}, 1},
        {"column on a vanishing cell", {"1", "1", "1", "v"}, 1},
        {"column on an effect cell", {"1", "1", "1", "e"}, 1},
        {"row over an empty cell", {"111", "23."}, 0},
        {"row over a stone falling in", {"111", "23f"}, 0},
        {"row over a cell being left", {"111", "q23"}, 0},
        {"row over a marked stone", {"111", "2m3"}, 0},
        {"column over an empty cell", {"1", "1", "1", "."}, 0},
        {"blockstein in a column", {"B", "B", "B"}, 0},
        {"blockstein in a row", {"BBB"}, 0},
        {"row and cross stones in a column", {"R", "R", "R", "K", "K", "K"}, 0},
        {"two of a colour with another between", {"1", "2", "1", "1"}, 0},
    };
    for (int number : {1, 2})
        for (const auto& [name, rows, groups] : cases) {
            SCOPED_TRACE(std::string(name) + " on board " + std::to_string(number));
            fresh(number, rows);
            check(number);
            EXPECT_EQ(values(side(number).gruppen, gruppen1 + gruppen2), values(groups, groups));
        }
}

TEST_F(GroupCheck, ProgressTilesOfBothBoardsPileUpInOneColumn) {
    // The k-th tile of a level lies 20.8 pixels above the one before.
    const int expected_y[] = {384, 363, 342, 322, 301, 280, 259, 238, 218, 197, 176, 155, 134, 114, 93, 72, 51, 30, 10};
    gruppen_ziel = 100;  // no level end, which would clear the column
    for (int k = 0; k < 19; ++k) {
        SCOPED_TRACE("tile " + std::to_string(k + 1));
        const int number = k % 3 == 2 ? 2 : 1;
        fresh(number, {"4", "4", "4"});
        check(number);
        const Image& tile = Form2->Picture1[number == 1 ? 1 : 4].Picture();
        EXPECT_TRUE(shows_tile(Form1->Picture13.Picture(), 0, expected_y[k], 32, 32, tile));
    }
    EXPECT_NE(Form2->Picture1[1].Picture().pixels, Form2->Picture1[4].Picture().pixels);
}

TEST_F(GroupCheck, LeadChangesOnlyOnAStrictLeadAndOnlyThePlayerScores) {
    struct Case {
        const char* name;
        int number;
        int16_t gruppen1, gruppen2, fuehrung;
        std::vector<int> sounds;
        int16_t fuehrung_after;
    };
    const Case cases[] = {
        {"first lead of the run", 1, 0, 0, 0, {1, 11}, 352},
        {"player already leads", 1, 1, 0, 352, {1}, 352},
        {"player draws level", 1, 0, 1, 416, {1}, 416},
        {"player takes the lead back", 1, 2, 2, 416, {1, 11}, 352},
        {"computer's first lead of the run", 2, 0, 0, 0, {12, 11}, 416},
        {"computer overtakes", 2, 1, 1, 352, {12, 11}, 416},
        {"computer draws level", 2, 1, 0, 352, {12}, 352},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fresh(c.number, {"2", "2", "2"});
        gruppen1 = c.gruppen1, gruppen2 = c.gruppen2, fuehrung = c.fuehrung;
        gesamtpunkte = 0;
        set_popup({});
        backend.sounds_played.clear();
        check(c.number);
        EXPECT_EQ(backend.sounds_played, c.sounds);
        EXPECT_EQ(values(fuehrung, gruppen1, gruppen2),
                  values(c.fuehrung_after, c.gruppen1 + (c.number == 1), c.gruppen2 + (c.number == 2)));
        // Only the player's groups score; either side's group sends its attack stone across.
        EXPECT_EQ(values(gesamtpunkte > 0, popup_now() == Popup{}), values(c.number == 1, c.number == 2));
        EXPECT_EQ(entry_row(side(3 - c.number).board), std::vector<int16_t>{feldwert::blockstein});
    }
}

TEST_F(GroupCheck, ThresholdNeverFallsBelowHalfTheScale) {
    struct Case {
        int number;
        double schwelle;
        std::string row;
        double after;
    };
    // 473 / 2 = 236.5
    const Case cases[] = {{1, 240, "22222", 236.5}, {2, 238, "2222", 236.5}, {2, 250, "222", 247}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.number) + " at " + std::to_string(c.schwelle));
        fresh(c.number, {c.row});
        schwelle1 = schwelle2 = c.schwelle;
        zuwachs1 = zuwachs2 = 0.3;
        check(c.number);
        // The other board's meter is left alone.
        const BoardSide& s = side(c.number);
        EXPECT_EQ(values(s.schwelle, s.zuwachs, s.other().schwelle, s.other().zuwachs),
                  values(c.after, 0.02, c.schwelle, 0.3));
    }
}

TEST_F(GroupCheck, RestingRowAndCrossStonesGoOff) {
    struct Case {
        const char* name;
        Rows rows;
        int bottom;
        Cell cell;
    };
    const Case cases[] = {
        {"row stone on the floor", {"R"}, 18, {1, 18, 30000}},
        {"cross stone on a stone", {"....K", "....1"}, 18, {5, 17, 30050}},
        {"cross stone on a blockstein", {"K", "B"}, 18, {1, 17, 30050}},
        {"row stone in the entry row", {"........R", "........3"}, 2, {9, 1, 30000}},
        {"row stone over an empty cell", {"R", "."}, 17, {1, 16, 11}},
        {"cross stone over a stone falling in", {"K", "f"}, 18, {1, 17, 12}},
        {"row stone over an effect cell", {"R", "e"}, 18, {1, 17, 11}},
        {"blockstein stays", {"B"}, 18, {1, 18, 10}},
        {"row stone on a stone marked in this check", {"R", "3", "3", "3"}, 18, {1, 15, 11}},
        {"row stone beside a group", {"3...R", "3...1", "3...2"}, 18, {5, 16, 30000}},
    };
    for (int number : {1, 2})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " on board " + std::to_string(number));
            fresh(number, c.rows, c.bottom);
            check(number);
            EXPECT_EQ(side(number).board(c.cell.x, c.cell.y), c.cell.code);
        }
}

// The twentieth group of both boards together ends the level, which starts the count afresh.
TEST_F(GroupCheck, TwentiethGroupOfBothBoardsEndsTheLevel) {
    const std::tuple<int, int16_t, int16_t, int> cases[] = {
        {1, 12, 7, 0}, {2, 12, 7, 0}, {1, 11, 7, 19}, {2, 3, 15, 19}};
    for (const auto& [number, groups1, groups2, after] : cases) {
        SCOPED_TRACE(testing::Message() << "board " << number << ", " << groups1 << " to " << groups2);
        fresh(number, {"2", "2", "2"});
        gruppen1 = groups1, gruppen2 = groups2;
        fuehrung = groups1 > groups2 ? 352 : 416;
        check(number);
        EXPECT_EQ(gruppen1 + gruppen2, after);
    }
}
}  // namespace
