#include <gtest/gtest.h>

#include "engine/game_screen.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"

namespace {
class GameSetup : public GameTest {};

TEST_F(GameSetup, DifficultyGivesTheStartValues) {
    struct Case {
        int16_t difficulty;
        int16_t colours, start_rows, speed_class, computer, interval, fall_ms;
    };
    const Case cases[] = {
        {1, 6, 3, 2, 2, 1750, 27},
        {2, 7, 5, 2, 3, 1750, 27},
        {3, 8, 7, 3, 4, 1500, 24},
    };
    for (const Case& c : cases) {
        schwierigkeit = c.difficulty;
        spiel_initialisieren();
        SCOPED_TRACE(c.difficulty);
        EXPECT_EQ(spalten, 9);
        EXPECT_EQ(spielfeld_breite, 288);
        EXPECT_EQ(stein_arten, c.colours);
        EXPECT_EQ(start_reihen, c.start_rows);
        EXPECT_EQ(tempo_klasse, c.speed_class);
        EXPECT_EQ(computer_level, c.computer);
        EXPECT_EQ(intervall1, c.interval);
        EXPECT_EQ(intervall2, c.interval);
        EXPECT_EQ(fall_intervall, c.fall_ms);
        EXPECT_EQ(skala, 473);
        EXPECT_EQ(schwelle1, 473);
        EXPECT_EQ(schwelle2, 473);
        EXPECT_EQ(gruppen_ziel, 20);
        EXPECT_FLOAT_EQ(balken_schritt * 20, 416);
        EXPECT_EQ(balken_pos, 416);
    }
}

TEST_F(GameSetup, PutsTheGameBackToItsStart) {
    schwierigkeit = 2;
    spiel_initialisieren();
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

TEST_F(GameSetup, CreatesTheGameScreenHiddenAndPlacesItsBoxes) {
    schwierigkeit = 1;
    spiel_initialisieren();
    ASSERT_TRUE(Form1.loaded());
    EXPECT_FALSE(Form1->shown());
    EXPECT_EQ(Form1->Picture1.Width, 288);
    EXPECT_EQ(Form1->Picture3.Width, 288);
    EXPECT_EQ(Form1->Picture2.Left, 56);
    EXPECT_EQ(Form1->Picture2.Top, 24);
    EXPECT_EQ(Form1->Picture4.Left, 456);
    EXPECT_EQ(Form1->Picture5.Left, 56);
    EXPECT_EQ(Form1->Picture5.Top, 568);
    EXPECT_EQ(Form1->Picture8.Left, 456);
    EXPECT_EQ(Form1->Picture8.Top, 568);
}

TEST_F(GameSetup, ScaleAndWidthFollowTheColumnCount) {
    const struct {
        int16_t columns;
        double scale;
    } cases[] = {{9, 473}, {8, 420}, {7, 367}, {6, 315}, {5, 315}};
    for (const auto& c : cases) {
        spalten = c.columns;
        set_column_values();
        EXPECT_EQ(skala, c.scale) << c.columns;  // 5 columns keep the last scale
        EXPECT_EQ(spielfeld_breite, c.columns * 32);
    }
}
}  // namespace
