#include <algorithm>

#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"

namespace {
class TablesTest : public GameTest {};

TEST_F(TablesTest, SpeedTableAndGravityTickByClass) {
    struct Case {
        int16_t klasse;
        int16_t fall_ms;
        double growth;
    };
    const Case cases[] = {{1, 30, 0.001}, {2, 27, 0.002}, {3, 24, 0.003}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.klasse);
        tempo_klasse = c.klasse;
        tempo_tabelle_setzen();
        for (int k = 1; k <= 3; ++k)
            for (int s = 1; s <= 3; ++s) EXPECT_EQ(tempo[k][s], 2500 - 250 * (k + s)) << k << "," << s;
        EXPECT_EQ(fall_intervall, c.fall_ms);
        EXPECT_EQ(zuwachs_beschl, c.growth);
        EXPECT_EQ(zuwachs1, 0.02);
        EXPECT_EQ(zuwachs2, 0.02);
    }
}

TEST_F(TablesTest, ComputerValuesByLevel) {
    struct Case {
        int16_t level, interval, short_interval;
        double early, move, tactic;
        int16_t tactic_on, t1, t2, t3;
    };
    const Case cases[] = {
        {1, 230, 200, 0.3, 0.6, 0.5, 0, 20, 50, 75},     {2, 200, 180, 0.3, 0.65, 0.6, 0, 50, 70, 80},
        {3, 200, 180, 0.4, 0.75, 0.7, 0, 60, 80, 90},    {4, 190, 170, 0.45, 0.75, 0.75, 1, 70, 80, 90},
        {5, 180, 160, 0.5, 0.85, 0.85, 1, 80, 90, 100},  {6, 175, 150, 0.6, 1, 1, 1, 100, 100, 100},
        {7, 170, 140, 0.7, 1, 1, 1, 100, 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        computer_level = c.level;
        level_werte_setzen();
        EXPECT_EQ(zug_intervall, c.interval);
        EXPECT_EQ(zug_intervall_kurz, c.short_interval);
        EXPECT_EQ(zug_frueh_chance, c.early);
        EXPECT_EQ(zug_chance, c.move);
        EXPECT_EQ(taktik_chance, c.tactic);
        EXPECT_EQ(taktik_an, c.tactic_on);
        EXPECT_EQ(tempo_schwellen[1], c.t1);
        EXPECT_EQ(tempo_schwellen[2], c.t2);
        EXPECT_EQ(tempo_schwellen[3], c.t3);
    }
    computer_level = 8;  // no such row: the values stay
    level_werte_setzen();
    EXPECT_EQ(zug_intervall, 170);
}

TEST_F(TablesTest, StoneSequenceCoversColoursAndColumnsInPlay) {
    for (int16_t n : {6, 9}) {
        SCOPED_TRACE(n);
        stein_arten = n;
        spalten = n;
        steinfolge_erzeugen();
        const auto colours = std::minmax_element(folge + 1, folge + 1001);
        const auto columns = std::minmax_element(folge_spalte + 1, folge_spalte + 1001);
        EXPECT_EQ(*colours.first, 1);
        EXPECT_EQ(*colours.second, n);
        EXPECT_EQ(*columns.first, 1);
        EXPECT_EQ(*columns.second, n);
    }
}

TEST_F(TablesTest, GameSetUpByDifficulty) {
    struct Case {
        int16_t difficulty, colours, start_rows, klasse, computer, interval;
    };
    const Case cases[] = {{1, 6, 3, 2, 2, 1750}, {2, 7, 5, 2, 3, 1750}, {3, 8, 7, 3, 4, 1500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.difficulty);
        schwierigkeit = c.difficulty;
        folge_zeiger[1] = folge_zeiger[2] = 55;
        voll1 = voll2 = kTrue;
        spiel_initialisieren();
        EXPECT_EQ(spalten, 9);
        EXPECT_EQ(stein_arten, c.colours);
        EXPECT_EQ(start_reihen, c.start_rows);
        EXPECT_EQ(tempo_klasse, c.klasse);
        EXPECT_EQ(computer_level, c.computer);
        EXPECT_EQ(intervall1, c.interval);
        EXPECT_EQ(intervall2, c.interval);
        EXPECT_EQ(folge_zeiger[1], 0);
        EXPECT_EQ(folge_zeiger[2], 0);
        EXPECT_EQ(voll1, kFalse);
        EXPECT_EQ(voll2, kFalse);
    }
}
}  // namespace
