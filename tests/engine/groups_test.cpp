#include <algorithm>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/groups.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/boards.h"
#include "support/game_test.h"

namespace {
struct Cell {
    int x, y;
};

// Every play cell of `after` equals `before`, except the listed cells, which are marked.
void expect_marked(const spielfeld& before, const spielfeld& after, const std::vector<Cell>& cells) {
    for (int x = 0; x <= 10; ++x)
        for (int y = 0; y <= 20; ++y) {
            const bool listed =
                std::any_of(cells.begin(), cells.end(), [&](Cell c) { return c.x == x && c.y == y; });
            const int expected = listed ? 10000 + before(x, y) : before(x, y);
            EXPECT_EQ(after(x, y), expected) << "cell (" << x << ", " << y << ")";
        }
}

class GroupCheck : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        schwierigkeit = 1;
        spiel_initialisieren();  // 9 columns, scale 473
        loesche_spielfeld();
        backend.sounds_played.clear();
    }

    static void check(int number) { number == 1 ? spielfeld_pruefen() : spielfeld_pruefen2(); }
    static spielfeld& board(int number) { return number == 1 ? spielfeld1 : spielfeld2; }
};

TEST_F(GroupCheck, GroupSizeDecidesMarksPointsThresholdAndAttack) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        int bottom;
        std::vector<Cell> marked;
        Cell popup;
        int16_t zellen;
        double points;
        double schwelle;
        int16_t attack;
    };
    // Board 1 is 30 % full and board 2 empty: a group of three is worth 70.
    const Case cases[] = {
        {"column of three on the floor",
         {"3........", "3........", "3...v.e.."},
         18,
         {{1, 16}, {1, 17}, {1, 18}},
         {1, 16},
         3, 70, 470, 1},
        {"four in a column",
         {"5........", "5........", "5........", "5........"},
         18,
         {{1, 15}, {1, 16}, {1, 17}, {1, 18}},
         {1, 16},
         4, 140, 467, 2},
        {"four in a row", {"..2222..."}, 18, {{3, 18}, {4, 18}, {5, 18}, {6, 18}}, {4, 18}, 4, 140, 467, 2},
        {"five in a row",
         {".44444..."},
         18,
         {{2, 18}, {3, 18}, {4, 18}, {5, 18}, {6, 18}},
         {4, 18},
         5, 280, 461, 3},
        {"six in a row",
         {"666666..."},
         18,
         {{1, 18}, {2, 18}, {3, 18}, {4, 18}, {5, 18}, {6, 18}},
         {4, 18},
         6, 280, 461, 3},
        {"L: column first, then the row through its foot",
         {"7........", "7........", "777......"},
         18,
         {{1, 16}, {1, 17}, {1, 18}, {2, 18}, {3, 18}},
         {1, 18},
         5, 280, 461, 3},
        {"T: bar on top, stem below",
         {"888......", "181......", "282......"},
         18,
         {{1, 16}, {2, 16}, {3, 16}, {2, 17}, {2, 18}},
         {2, 16},
         5, 280, 461, 3},
        {"T: bar on the floor, stem above",
         {".9.......", ".9.......", "999......"},
         18,
         {{1, 18}, {2, 18}, {3, 18}, {2, 16}, {2, 17}},
         {2, 16},
         5, 280, 461, 3},
        {"column in the entry row", {"......6..", "......6..", "......6..", "......2.."}, 4,
         {{7, 1}, {7, 2}, {7, 3}}, {7, 1}, 3, 70, 470, 1},
        {"row in the entry row", {"...555...", "...123..."}, 2, {{4, 1}, {5, 1}, {6, 1}}, {4, 1}, 3, 70, 470, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loesche_spielfeld();
        lay(spielfeld1, c.rows, c.bottom);
        const spielfeld before = spielfeld1;
        fuellung1 = 30, fuellung2 = 0;
        gesamtpunkte = 1000;
        schwelle1 = 473, zuwachs1 = 0.5;
        popup_zeit = -1, popup_art = 3, popup_sekunden = -60;
        gruppen1 = gruppen2 = 0;

        spielfeld_pruefen();

        expect_marked(before, spielfeld1, c.marked);
        EXPECT_EQ(gruppen1, 1);
        EXPECT_EQ(popup_x, c.popup.x);
        EXPECT_EQ(popup_y, c.popup.y);
        EXPECT_EQ(popup_punkte, c.points);
        EXPECT_EQ(gesamtpunkte, 1000 + c.points);
        EXPECT_EQ(popup_zeit, 0);
        EXPECT_EQ(popup_art, 0);
        EXPECT_EQ(popup_sekunden, 0);
        EXPECT_EQ(schwelle1, c.schwelle);
        EXPECT_EQ(zuwachs1, 0.02);
        EXPECT_EQ(attack_kind(c.zellen), c.attack);
    }
}

TEST_F(GroupCheck, OneGroupPerCheckInScanOrder) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::vector<Cell> first, second;
    };
    const Case cases[] = {
        {"neighbouring columns of one colour: the left one first",
         {"22.......", "22.......", "22......."},
         {{1, 16}, {1, 17}, {1, 18}},
         {{2, 16}, {2, 17}, {2, 18}}},
        {"a low row on the left before a high column on the right",
         {"....5....", "....5....", "....5....", "....1....", "....2....", "....1....", "....2....", "....1....",
          "333.2...."},
         {{1, 18}, {2, 18}, {3, 18}},
         {{5, 10}, {5, 11}, {5, 12}}},
        {"one column: the upper group first",
         {"1........", "1........", "1........", "2........", "2........", "2........"},
         {{1, 13}, {1, 14}, {1, 15}},
         {{1, 16}, {1, 17}, {1, 18}}},
        {"an earlier triple keeps an L for the next check",
         {"37.......", "37.......", "3777....."},
         {{1, 16}, {1, 17}, {1, 18}},
         {{2, 16}, {2, 17}, {2, 18}, {3, 18}, {4, 18}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loesche_spielfeld();
        gruppen1 = gruppen2 = 0;
        lay(spielfeld1, c.rows);
        const spielfeld start = spielfeld1;

        spielfeld_pruefen();
        expect_marked(start, spielfeld1, c.first);
        EXPECT_EQ(gruppen1, 1);

        const spielfeld after_first = spielfeld1;
        spielfeld_pruefen();
        expect_marked(after_first, spielfeld1, c.second);
        EXPECT_EQ(gruppen1, 2);
    }
}

TEST_F(GroupCheck, WhatHoldsUpATriple) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        bool group;
    };
    const Case cases[] = {
        {"row over an empty cell", {"111......", "23......."}, false},
        {"row over a stone falling in", {"111......", "23f......"}, false},
        {"row over a cell being left", {"111......", "q23......"}, false},
        {"row over a marked stone", {"111......", "2m3......"}, false},
        {"row over attack stones", {"111......", "BRK......"}, true},
        {"row on the floor", {"111......"}, true},
        {"column over an empty cell", {"1........", "1........", "1........", "........."}, false},
        {"column on a cell being left", {"1........", "1........", "1........", "q........"}, true},
        {"column on a stone falling in", {"1........", "1........", "1........", "f........"}, true},
        {"column on a marked stone", {"1........", "1........", "1........", "m........"}, true},
        {"column on a vanishing cell", {"1........", "1........", "1........", "v........"}, true},
        {"column on an effect cell", {"1........", "1........", "1........", "e........"}, true},
        {"blockstein in a column", {"B........", "B........", "B........"}, false},
        {"blockstein in a row", {"BBB......"}, false},
        {"row and cross stones in a column", {"R........", "R........", "R........", "K........", "K........",
                                              "K........"},
         false},
        {"two of a colour with another between", {"1........", "2........", "1........", "1........"}, false},
    };
    for (int number : {1, 2})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (number == 1 ? " (player)" : " (computer)"));
            loesche_spielfeld();
            gruppen1 = gruppen2 = 0;
            lay(board(number), c.rows);
            check(number);
            EXPECT_EQ(number == 1 ? gruppen1 : gruppen2, c.group ? 1 : 0);
        }
}

TEST_F(GroupCheck, ProgressTilesOfBothBoardsPileUpInOneColumn) {
    // The k-th tile of a level lies 20.8 pixels above the one before; the 20th sticks out at the top.
    const int expected_y[20] = {384, 363, 342, 322, 301, 280, 259, 238, 218, 197,
                                176, 155, 134, 114, 93,  72,  51,  30,  10,  -11};
    gruppen_ziel = 100;  // no level end, which would clear the column
    for (int k = 0; k < 20; ++k) {
        const int number = k % 3 == 2 ? 2 : 1;
        SCOPED_TRACE("tile " + std::to_string(k + 1));
        loesche_spielfeld();
        lay(board(number), {"4........", "4........", "4........"});
        check(number);

        const Image& column = Form1->Picture13.Picture();
        const Image& tile = Form2->Picture1[number == 1 ? 1 : 4].Picture();
        int differing = 0;
        for (int ty = 0; ty < 32; ++ty)
            for (int tx = 0; tx < 32; ++tx) {
                const int y = expected_y[k] + ty;
                if (y >= 0 && y < 416 && column.at(tx, y) != tile.at(tx, ty)) ++differing;
            }
        EXPECT_EQ(differing, 0);
    }
    EXPECT_NE(Form2->Picture1[1].Picture().pixels, Form2->Picture1[4].Picture().pixels);
}

TEST_F(GroupCheck, LeadChangesOnlyOnAStrictLeadWithItsSound) {
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
        {"player leads in a new level, leader kept from the last", 1, 0, 0, 352, {1}, 352},
        {"computer's first lead of the run", 2, 0, 0, 0, {12, 11}, 416},
        {"computer overtakes", 2, 1, 1, 352, {12, 11}, 416},
        {"computer draws level", 2, 1, 0, 352, {12}, 352},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loesche_spielfeld();
        lay(board(c.number), {"2........", "2........", "2........"});
        gruppen1 = c.gruppen1, gruppen2 = c.gruppen2, fuehrung = c.fuehrung;
        backend.sounds_played.clear();
        check(c.number);
        EXPECT_EQ(backend.sounds_played, c.sounds);
        EXPECT_EQ(fuehrung, c.fuehrung_after);
        EXPECT_EQ(gruppen1, c.gruppen1 + (c.number == 1 ? 1 : 0));
        EXPECT_EQ(gruppen2, c.gruppen2 + (c.number == 2 ? 1 : 0));
    }
}

TEST_F(GroupCheck, ThresholdNeverFallsBelowHalfTheScale) {
    struct Case {
        int number;
        double schwelle;
        std::vector<std::string> rows;
        double after;
    };
    const Case cases[] = {
        {1, 238, {"2222....."}, 236.5},      // 238 - 6 stops at the exact half of 473
        {1, 239.5, {"222......"}, 236.5},    // lands on the half itself
        {1, 240, {"22222...."}, 236.5},
        {2, 238, {"2222....."}, 236.5},
        {2, 250, {"222......"}, 247},
        {2, 236.5, {"222......"}, 236.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.number) + " at " + std::to_string(c.schwelle));
        loesche_spielfeld();
        lay(board(c.number), c.rows);
        schwelle1 = schwelle2 = c.schwelle;
        zuwachs1 = zuwachs2 = 0.3;
        check(c.number);
        EXPECT_EQ(c.number == 1 ? schwelle1 : schwelle2, c.after);
        EXPECT_EQ(c.number == 1 ? zuwachs1 : zuwachs2, 0.02);
        // The other board's meter is left alone.
        EXPECT_EQ(c.number == 1 ? schwelle2 : schwelle1, c.schwelle);
        EXPECT_EQ(c.number == 1 ? zuwachs2 : zuwachs1, 0.3);
    }
}

TEST_F(GroupCheck, PointsFollowBothBoardsFill) {
    struct Case {
        const char* name;
        int16_t fuellung1, fuellung2;
        bool board2_full;
        double points;
    };
    const Case cases[] = {
        {"own board full, other empty", 100, 0, false, 0},
        {"own board empty, other full", 0, 100, true, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loesche_spielfeld();
        // Rows 2..18 of board 2 settled, its entry row free for the attack stone.
        if (c.board2_full)
            for (int x = 1; x <= 9; ++x)
                for (int y = 2; y <= 18; ++y) spielfeld2(x, y) = static_cast<int16_t>(1 + (x + y) % 2);
        lay(spielfeld1, {"3........", "3........", "3........"});
        fuellung1 = c.fuellung1, fuellung2 = c.fuellung2;
        gesamtpunkte = 500;
        spielfeld_pruefen();
        EXPECT_EQ(popup_punkte, c.points);
        EXPECT_EQ(gesamtpunkte, 500 + c.points);
        EXPECT_EQ(popup_art, 0);
        EXPECT_EQ(popup_zeit, 0);
    }
}

TEST_F(GroupCheck, ComputersGroupScoresNothingForThePlayer) {
    lay(spielfeld2, {"3........", "3........", "3........"});
    lay(spielfeld1, {".5.......", ".5......."});  // two of a kind on the player's board stay
    const spielfeld before2 = spielfeld2, before1 = spielfeld1;
    gesamtpunkte = 700, popup_punkte = 40, popup_zeit = -1, popup_x = 4, popup_y = 9, popup_art = 1;

    spielfeld_pruefen2();

    expect_marked(before2, spielfeld2, {{1, 16}, {1, 17}, {1, 18}});
    // The player's board gets only the attack stone in its entry row.
    for (int x = 0; x <= 10; ++x)
        for (int y = 2; y <= 20; ++y) EXPECT_EQ(spielfeld1(x, y), before1(x, y)) << x << ", " << y;
    EXPECT_EQ(gruppen2, 1);
    EXPECT_EQ(gruppen1, 0);
    EXPECT_EQ(schwelle2, 470);
    EXPECT_EQ(schwelle1, 473);
    EXPECT_EQ(gesamtpunkte, 700);
    EXPECT_EQ(popup_punkte, 40);
    EXPECT_EQ(popup_zeit, -1);
    EXPECT_EQ(popup_x, 4);
    EXPECT_EQ(popup_y, 9);
    EXPECT_EQ(popup_art, 1);
}

TEST_F(GroupCheck, NoGroupChangesNothingButAttackStones) {
    lay(spielfeld1, {"12.......", "21.......", "12......."});
    const spielfeld before = spielfeld1;
    gesamtpunkte = 300;
    spielfeld_pruefen();
    EXPECT_EQ(spielfeld1, before);
    EXPECT_TRUE(backend.sounds_played.empty());
    EXPECT_EQ(gruppen1, 0);
    EXPECT_EQ(balken_pos, 416);
    EXPECT_EQ(schwelle1, 473);
    EXPECT_EQ(gesamtpunkte, 300);
    EXPECT_EQ(fuehrung, 0);
}

TEST_F(GroupCheck, RestingRowAndCrossStonesGoOff) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        int bottom;
        Cell cell;
        int16_t after;
    };
    const Case cases[] = {
        {"row stone on the floor", {"R........"}, 18, {1, 18}, 30000},
        {"cross stone on a stone", {"....K....", "....1...."}, 18, {5, 17}, 30050},
        {"cross stone on a blockstein", {"K........", "B........"}, 18, {1, 17}, 30050},
        {"row stone in the entry row", {"........R", "........3"}, 2, {9, 1}, 30000},
        {"row stone over an empty cell", {"R........", "........."}, 17, {1, 16}, 11},
        {"cross stone over a stone falling in", {"K........", "f........"}, 18, {1, 17}, 12},
        {"row stone over an effect cell", {"R........", "e........"}, 18, {1, 17}, 11},
        {"blockstein stays", {"B........"}, 18, {1, 18}, 10},
        {"row stone on a stone marked in this check", {"R........", "3........", "3........", "3........"}, 18,
         {1, 15}, 11},
        {"row stone beside a group", {"3...R....", "3...1....", "3...2...."}, 18, {5, 16}, 30000},
    };
    for (int number : {1, 2})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (number == 1 ? " (player)" : " (computer)"));
            loesche_spielfeld();
            lay(board(number), c.rows, c.bottom);
            check(number);
            EXPECT_EQ(board(number)(c.cell.x, c.cell.y), c.after);
        }
}

TEST_F(GroupCheck, TwentiethGroupOfBothBoardsEndsTheLevel) {
    struct Case {
        int number;
        int16_t gruppen1, gruppen2;
        bool ends;
    };
    const Case cases[] = {{1, 12, 7, true}, {2, 12, 7, true}, {1, 11, 7, false}, {2, 3, 15, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.number) + ": " + std::to_string(c.gruppen1) + " to " + std::to_string(c.gruppen2));
        loesche_spielfeld();
        lay(board(c.number), {"2........", "2........", "2........"});
        gruppen1 = c.gruppen1, gruppen2 = c.gruppen2;
        fuehrung = c.gruppen1 > c.gruppen2 ? 352 : 416;
        check(c.number);
        EXPECT_EQ(gruppen1 + gruppen2, c.ends ? 0 : c.gruppen1 + c.gruppen2 + 1);
    }
}

TEST_F(GroupCheck, AttackStoneEntersTheOtherBoardsEntryRow) {
    struct Case {
        std::vector<std::string> rows;
        int16_t stone;
    };
    const Case cases[] = {
        {{"222......"}, 10},
        {{"2222....."}, 11},
        {{"22222...."}, 12},
    };
    for (int number : {1, 2})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(number) + " sends " + std::to_string(c.stone));
            loesche_spielfeld();
            lay(board(number), c.rows);
            check(number);
            const spielfeld& other = board(3 - number);
            int count = 0;
            for (int x = 1; x <= 9; ++x) count += other(x, 1) == c.stone ? 1 : other(x, 1) != 0 ? 100 : 0;
            EXPECT_EQ(count, 1);
        }
}

TEST_F(GroupCheck, PointsOverTheComputersPenaltyStandAtTheCursor) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 2; y <= 18; ++y) spielfeld2(x, y) = static_cast<int16_t>(1 + (x + y) % 2);
    lay(spielfeld1, {"3........", "3........", "3........"});
    pos_x1 = 6, pos_y1 = 12;
    fuellung1 = 0;
    const int16_t clock = restzeit;
    spielfeld_pruefen();
    EXPECT_EQ(restzeit, clock + 60);
    EXPECT_EQ(popup_x, 6);
    EXPECT_EQ(popup_y, 12);
    EXPECT_EQ(popup_art, 0);
    EXPECT_EQ(popup_sekunden, 0);
    EXPECT_EQ(popup_punkte, 200);
}
}  // namespace
