#include <algorithm>

#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"

namespace {
class TablesTest : public GameTest {};

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
        EXPECT_EQ(values(*colours.first, *colours.second, *columns.first, *columns.second), values(1, n, 1, n));
    }
}
}  // namespace
