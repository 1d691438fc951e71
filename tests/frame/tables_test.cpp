#include <algorithm>

#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"

namespace {
class TablesTest : public GameTest {};

// A higher class or step brings new stones sooner; a higher class also makes gravity faster and
// the meters' threshold grow faster, and every class starts the growth afresh.
TEST_F(TablesTest, HigherSpeedClassesAndStepsAreFaster) {
    int16_t last_fall = 1000;
    double last_growth = 0;
    for (int16_t k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        zuwachs1 = zuwachs2 = 0.5;
        tempo_klasse = k;
        tempo_tabelle_setzen();
        for (int s = 2; s <= 3; ++s) EXPECT_LT(tempo[k][s], tempo[k][s - 1]);
        for (int s = 1; s <= 3 && k > 1; ++s) EXPECT_LT(tempo[k][s], tempo[k - 1][s]);
        EXPECT_LT(fall_intervall, last_fall);
        EXPECT_GT(zuwachs_beschl, last_growth);
        last_fall = fall_intervall, last_growth = zuwachs_beschl;
        EXPECT_EQ(zuwachs1, zuwachs_start);
        EXPECT_EQ(zuwachs2, zuwachs_start);
    }
}

TEST_F(TablesTest, ComputerGrowsStrongerByLevel) {
    int16_t last_interval = 1000;
    for (int16_t lvl = 1; lvl <= 7; ++lvl) {
        SCOPED_TRACE(lvl);
        computer_level = lvl;
        level_werte_setzen();
        EXPECT_LT(zug_intervall_kurz, zug_intervall);
        EXPECT_LE(zug_intervall, last_interval);
        last_interval = zug_intervall;
        EXPECT_EQ(taktik_an, lvl >= 4 ? 1 : 0);  // the first pattern blocks from level 4 on
        EXPECT_EQ(zug_chance == 1 && taktik_chance == 1, lvl >= 6);
        EXPECT_LE(tempo_schwellen[1], tempo_schwellen[2]);
        EXPECT_LE(tempo_schwellen[2], tempo_schwellen[3]);
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

}  // namespace
