#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/side.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/boards.h"
#include "support/game_test.h"
#include "support/popup_state.h"
#include "support/tiles.h"

namespace {
using namespace feldwert;

class LevelEnd : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        start(2);
    }

    void start(int16_t difficulty) {
        new_game(difficulty);
        restzeit = 300;
    }

    // The values a difficulty has reached by some level, with boards to match.
    struct Values {
        int16_t stein_arten, spalten, tempo_klasse, computer_level;
    };
    static void reached(const Values& v) {
        stein_arten = v.stein_arten;
        tempo_klasse = v.tempo_klasse;
        computer_level = v.computer_level;
        spalten = 9;
        loesche_spielfeld();  // all nine columns in play first
        spalten = v.spalten;
        build_walls();
        set_column_values();
        place_boards();
    }

    static void lead(int16_t winner, int16_t winner_groups) {
        const auto other = static_cast<int16_t>(20 - winner_groups);
        gruppen1 = winner == 1 ? winner_groups : other;
        gruppen2 = winner == 1 ? other : winner_groups;
        fuehrung = winner == 1 ? 352 : 416;
    }
};

TEST_F(LevelEnd, WinnerTakesSecondsByItsGroupsAndOnlyThePlayerScores) {
    struct Case {
        int16_t winner, groups, seconds;
    };
    // Halves go to the even neighbour, for the bonus and the malus alike.
    const Case cases[] = {{1, 10, 15},  {1, 11, 16},  {1, 13, 20},  {1, 17, 26},  {1, 19, 28},  {1, 20, 30},
                          {2, 10, -15}, {2, 11, -16}, {2, 13, -20}, {2, 17, -26}, {2, 19, -28}, {2, 20, -30}};
    for (const Case& c : cases) {
        SCOPED_TRACE("winner " + std::to_string(c.winner) + " with " + std::to_string(c.groups));
        start(2);
        level = 3;
        gesamtpunkte = 1000;
        show_score();
        popup_punkte = 55;
        pos_x1 = 4, pos_y1 = 9;
        lead(c.winner, c.groups);
        balken_pos = 100;
        Form1->Picture13.hDC().fill(rgb(1, 2, 3));
        next_level();
        // The computer's win keeps the last group's points in the popup.
        EXPECT_EQ(popup_now(), (Popup{c.winner, c.seconds, c.winner == 1 ? 300 : 55.0, 4, 9, 0}));
        EXPECT_EQ(backend.sounds_played, std::vector<int>{c.winner == 1 ? 10 : 9});
        EXPECT_EQ(values(restzeit, gesamtpunkte, level, gruppen1, gruppen2, gruppen_ziel, balken_pos),
                  values(300 + c.seconds, c.winner == 1 ? 1300 : 1000, 4, 0, 0, 20, 416));
        EXPECT_EQ(Form1->Picture13.Picture().pixels, Form2->Picture13.Picture().pixels);
        EXPECT_EQ(digits_shown(Form1->Picture10.Picture(), 13, 26, 2, 9, 10, 26) + " " +
                      digits_shown(Form1->Picture12.Picture(), 13, 26, 4, 3, 0, 22),
                  (c.winner == 1 ? "000001300" : "000001000") + std::string(" 004"));
    }
}

TEST_F(LevelEnd, WinnerLosesItsLowestBlocksteineUpToTwoFewerThanItsColumns) {
    struct Case {
        const char* what;
        int16_t columns;
        std::vector<Cell> blocksteine;
        size_t cleared;  // the first ones listed
    };
    const Case cases[] = {
        {"nine: 7 of 10, bottom first, left to right",
         9,
         {{2, 18}, {5, 18}, {8, 18}, {1, 17}, {3, 17}, {4, 17}, {6, 17}, {9, 17}, {2, 3}, {7, 2}},
         7},
        {"six columns: 4", 6, {{4, 18}, {1, 17}, {2, 17}, {6, 17}, {3, 9}}, 4},
        {"fewer than the limit: all", 9, {{5, 15}, {5, 2}}, 2},
    };
    for (int16_t winner : {1, 2})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (winner == 1 ? ", player wins" : ", computer wins"));
            start(2);
            reached({7, c.columns, 2, 3});
            BoardSide& side = winner == 1 ? side1() : side2();
            // Not cleared: other attack stones, the entry row, anything beneath them.
            put(side.board, {{1, 18, reihenstein}, {3, 18, kreuzstein}, {4, 1, blockstein}});
            spielfeld expected = side.board;
            for (size_t i = 0; i < c.blocksteine.size(); ++i) {
                side.board(c.blocksteine[i].x, c.blocksteine[i].y) = blockstein;
                expected(c.blocksteine[i].x, c.blocksteine[i].y) = i < c.cleared ? verschwinden : blockstein;
            }
            const spielfeld loser = side.other().board;
            lead(winner, 12);
            next_level();
            EXPECT_EQ(side.board, expected);
            EXPECT_EQ(side.other().board, loser);
            std::vector<int> sounds(c.cleared, 4);
            sounds.push_back(winner == 1 ? 10 : 9);
            EXPECT_EQ(backend.sounds_played, sounds);
        }
}

// Each row of a difficulty's table, checked at a level where it acts, with what follows from it.
TEST_F(LevelEnd, EachDifficultyChangesAtItsLevels) {
    struct Case {
        int16_t difficulty;
        int reached_level;
        Values before, after;
    };
    const Case cases[] = {
        {1, 15, {7, 9, 2, 4}, {7, 8, 3, 4}}, {1, 18, {8, 8, 3, 4}, {8, 8, 3, 5}}, {1, 24, {8, 8, 3, 5}, {9, 8, 3, 6}},
        {1, 30, {9, 8, 3, 6}, {9, 7, 3, 7}}, {2, 5, {7, 9, 2, 3}, {7, 9, 2, 4}},  {2, 10, {8, 9, 2, 4}, {8, 8, 3, 5}},
        {2, 12, {8, 8, 3, 5}, {9, 8, 3, 5}}, {3, 4, {8, 9, 3, 4}, {9, 9, 3, 5}},  {3, 21, {9, 7, 3, 7}, {9, 6, 3, 7}},
    };
    const GameScreen& f = Form1.get();
    const double scale_of[] = {0, 0, 0, 0, 0, 0, 315, 367, 420, 473};  // the meters' scale by columns in play
    for (const Case& c : cases) {
        SCOPED_TRACE("difficulty " + std::to_string(c.difficulty) + " reaching " + std::to_string(c.reached_level));
        start(c.difficulty);
        reached(c.before);
        level = c.reached_level - 1;
        tempo_stufe1 = 3, tempo_stufe2 = 1;
        zuwachs1 = zuwachs2 = 0.5;
        schwelle1 = 200, schwelle2 = 250;
        for (int x = 1; x <= c.before.spalten; ++x)
            for (int y = 1; y <= 18; ++y) spielfeld1(x, y) = spielfeld2(x, y) = static_cast<int16_t>(1 + (x + y) % 5);
        spielfeld expected = spielfeld1;
        // Cursors and target at the right end stay in play; the popup stands where the cursor was.
        pos_x1 = pos_x2 = ziel_x = static_cast<int16_t>(c.before.spalten - 1);
        lead(1, 12);
        next_level();
        const Values& a = c.after;
        EXPECT_EQ(
            values(level, stein_arten, spalten, tempo_klasse, computer_level, pos_x1, pos_x2, ziel_x, popup_x, skala),
            values(c.reached_level, a.stein_arten, a.spalten, a.tempo_klasse, a.computer_level, a.spalten - 1,
                   a.spalten - 1, a.spalten - 1, c.before.spalten - 1, scale_of[a.spalten]));
        // Steps of the new class, growth afresh, thresholds kept, a sequence of the new colours and columns.
        EXPECT_EQ(values(intervall1, intervall2, zuwachs1, zuwachs2, schwelle1, schwelle2, spielfeld_breite),
                  values(tempo[a.tempo_klasse][3], tempo[a.tempo_klasse][1], 0.02, 0.02, 200, 250, 32 * a.spalten));
        EXPECT_EQ(values(*std::max_element(folge + 1, folge + 1001),
                         *std::max_element(folge_spalte + 1, folge_spalte + 1001)),
                  values(a.stein_arten, a.spalten));
        // A column leaving play becomes wall; the boards narrow, centred over the meters.
        for (int x = 1; x <= a.spalten + 1; ++x)
            for (int y = 1; y <= 20; ++y)
                if (x > a.spalten || y > 18) expected(x, y) = wand;
        EXPECT_EQ(spielfeld1, expected);
        EXPECT_EQ(spielfeld2, expected);
        const int w = 32 * a.spalten;
        EXPECT_EQ(values(f.Picture1.Width, f.Picture3.Width, f.Picture2.Width, f.Picture4.Width,
                         f.Picture2.Left + w / 2, f.Picture4.Left + w / 2, f.Picture2.Top, f.Picture4.Top,
                         f.Picture5.Left, f.Picture5.Top, f.Picture8.Left, f.Picture8.Top),
                  values(w, w, w, w, 200, 600, 24, 24, 56, 568, 456, 568));
    }
    // A new game opens all nine columns again.
    start(2);
    EXPECT_EQ(values(f.Picture2.Width, f.Picture2.Left, f.Picture4.Left), values(288, 56, 456));
}

// Computer level 5 (difficulty 2, level 10): the middle step once 80 % of its board is filled.
TEST_F(LevelEnd, ComputerStrengthActsFromTheLevelThatBringsIt) {
    level = 9;
    lead(1, 12);
    next_level();  // computer level 5, eight columns, speed class 3
    for (const auto& [filled, step] : {std::pair{108, 3}, {109, 2}}) {  // of 136 cells
        SCOPED_TRACE(filled);
        loesche_spielfeld();
        settle(spielfeld2, filled);
        schneller_oder_nicht();
        EXPECT_EQ(intervall2, tempo[3][step]);
    }
}
}  // namespace
