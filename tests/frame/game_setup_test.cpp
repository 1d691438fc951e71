#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/image.h"
#include "support/game_test.h"

namespace {
class GameSetup : public GameTest {};

// What the difficulty changes, seen where it acts: the start rows on the board, the colours of
// the stone sequence, the pace of new stones and gravity, and the computer's strength.
TEST_F(GameSetup, EachDifficultyIsHarderThanTheOneBefore) {
    std::vector<std::vector<double>> seen;  // by difficulty; the paces negated, so that harder is more
    for (int16_t difficulty : {1, 2, 3}) {
        SCOPED_TRACE(difficulty);
        new_game(difficulty);
        steinfolge_erzeugen();
        fuelle_reihen(start_reihen);

        // Nine columns in play on every difficulty, both boards at one pace, meters empty.
        EXPECT_EQ(values(spielfeld1(10, 18), Form1->Picture1.Width.get(), intervall2, schwelle1, schwelle2),
                  values(feldwert::wand, 9 * 32, intervall1, skala, skala));

        int full_rows = 0;
        for (int y = 18; y >= 2; --y) {
            bool full = true;
            for (int x = 1; x <= spalten; ++x) full = full && feldwert::settled(spielfeld1(x, y));
            if (!full) break;
            ++full_rows;
        }
        const std::set<int16_t> colours(folge + 1, folge + 1001);
        seen.push_back(values(full_rows, colours.size(), -intervall1, -fall_intervall, -zug_intervall, taktik_chance));
    }
    // Rows, colours and tactics grow with each difficulty; a pace may stay from one to the next.
    const bool grows_each_time[] = {true, true, false, false, false, true};
    for (size_t v = 0; v < std::size(grows_each_time); ++v) {
        for (size_t d = 1; d < seen.size(); ++d)
            EXPECT_TRUE(grows_each_time[v] ? seen[d][v] > seen[d - 1][v] : seen[d][v] >= seen[d - 1][v])
                << v << " " << d;
        EXPECT_GT(seen.back()[v], seen.front()[v]) << v;
    }
}

// The next game starts from its own start and not from what the last one left, on the panels
// too: a stale group column or meter shows groups or a fill nobody has made yet. The leader
// and the clock are not part of a game's start.
TEST_F(GameSetup, TheNextGameStartsFromItsStartNotFromWhatTheLastLeft) {
    new_game(2);
    EXPECT_FALSE(Form1->shown());  // the first game creates the game screen, hidden
    const Image empty_column = Form1->Picture13.Picture();
    const Image empty_meter1 = Form1->Picture5.Picture(), empty_meter2 = Form1->Picture8.Picture();

    pos_x1 = 5, pos_y1 = 3, pos_x2 = 7, pos_y2 = 9, tempo_stufe1 = 3, voll2 = kTrue, gesamtpunkte = 9999;
    level = 4, gruppen1 = 11, folge_zeiger[1] = 500, getauscht = kTrue, fuehrung = 352, restzeit = 77;
    Form1->Picture13.SetPicture(Image(32, 416, rgb(200, 0, 0)));
    stand1 = stand2 = skala / 2.0;
    schwelle1 = schwelle2 = skala * 0.6;
    draw_meters();
    ASSERT_NE(Form1->Picture5.Picture().pixels, empty_meter1.pixels);

    spiel_initialisieren();
    EXPECT_EQ(values(pos_x1, pos_y1, pos_x2, pos_y2, tempo_stufe1, stand1, voll2, gesamtpunkte, level, gruppen1,
                     folge_zeiger[1], getauscht, letztes_ziel_x, popup_zeit, zaehl_intervall1, fuehrung, restzeit),
              values(1, 18, 1, 18, 1, 0, kFalse, 0, 1, 0, 0, kFalse, -1000, -1, 150, 352, 77));
    EXPECT_EQ(Form1->Picture13.Picture().pixels, empty_column.pixels);
    EXPECT_EQ(Form1->Picture5.Picture().pixels, empty_meter1.pixels);
    EXPECT_EQ(Form1->Picture8.Picture().pixels, empty_meter2.pixels);
}
}  // namespace
