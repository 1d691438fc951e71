#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"

namespace {
class GameSetup : public GameTest {};

// What the difficulty changes, seen where it acts: the start rows on the board, the colours of
// the stone sequence, the pace of new stones and gravity, and the computer's strength.
TEST_F(GameSetup, EachDifficultyIsHarderThanTheOneBefore) {
    struct Seen {
        int full_rows;
        size_t colours;
        int16_t new_stone_ms, fall_ms, computer_ms;
        double computer_tactics;
    };
    std::vector<Seen> seen;
    for (int16_t difficulty : {1, 2, 3}) {
        SCOPED_TRACE(difficulty);
        new_game(difficulty);
        steinfolge_erzeugen();
        fuelle_reihen(start_reihen);

        // Nine columns in play on every difficulty, both boards at one pace, meters empty.
        EXPECT_EQ(spielfeld1(10, 18), feldwert::wand);
        EXPECT_EQ(Form1->Picture1.Width, 9 * 32);
        EXPECT_EQ(intervall1, intervall2);
        EXPECT_EQ(schwelle1, skala);
        EXPECT_EQ(schwelle2, skala);

        int full_rows = 0;
        for (int y = 18; y >= 2; --y) {
            bool full = true;
            for (int x = 1; x <= spalten; ++x) full = full && feldwert::settled(spielfeld1(x, y));
            if (!full) break;
            ++full_rows;
        }
        const std::set<int16_t> colours(folge + 1, folge + 1001);
        seen.push_back({full_rows, colours.size(), intervall1, fall_intervall, zug_intervall, taktik_chance});
    }
    for (size_t i = 1; i < seen.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_GT(seen[i].full_rows, seen[i - 1].full_rows);
        EXPECT_GT(seen[i].colours, seen[i - 1].colours);
        EXPECT_LE(seen[i].new_stone_ms, seen[i - 1].new_stone_ms);
        EXPECT_LE(seen[i].fall_ms, seen[i - 1].fall_ms);
        EXPECT_LE(seen[i].computer_ms, seen[i - 1].computer_ms);
        EXPECT_GT(seen[i].computer_tactics, seen[i - 1].computer_tactics);
    }
    EXPECT_LT(seen.back().new_stone_ms, seen.front().new_stone_ms);
    EXPECT_LT(seen.back().fall_ms, seen.front().fall_ms);
    EXPECT_LT(seen.back().computer_ms, seen.front().computer_ms);
}

TEST_F(GameSetup, PutsTheGameBackToItsStart) {
    schwierigkeit = 2;
    spiel_initialisieren();
    // The first game creates the game screen, hidden.
    ASSERT_TRUE(Form1.loaded());
    EXPECT_FALSE(Form1->shown());
    pos_x1 = 5, pos_y1 = 3, pos_x2 = 7, pos_y2 = 9;
    tempo_stufe1 = 3;
    stand1 = 100;
    voll2 = kTrue;
    gesamtpunkte = 9999;
    level = 4;
    gruppen1 = 11;
    folge_zeiger[1] = 500;
    getauscht = kTrue;
    fuehrung = 352;
    restzeit = 77;
    spiel_initialisieren();
    EXPECT_EQ(pos_x1, 1);
    EXPECT_EQ(pos_y1, 18);
    EXPECT_EQ(pos_x2, 1);
    EXPECT_EQ(pos_y2, 18);
    EXPECT_EQ(tempo_stufe1, 1);
    EXPECT_EQ(stand1, 0);
    EXPECT_EQ(voll2, kFalse);
    EXPECT_EQ(gesamtpunkte, 0);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(gruppen1, 0);
    EXPECT_EQ(folge_zeiger[1], 0);
    EXPECT_EQ(getauscht, kFalse);
    EXPECT_EQ(letztes_ziel_x, -1000);
    EXPECT_EQ(popup_zeit, -1);
    EXPECT_EQ(zaehl_intervall1, 150);
    // Not part of a game's start: the leader and the clock.
    EXPECT_EQ(fuehrung, 352);
    EXPECT_EQ(restzeit, 77);
}
}  // namespace
