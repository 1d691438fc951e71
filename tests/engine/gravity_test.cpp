#include <tuple>
#include <vector>

#include "engine/board.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/state.h"
#include "support/boards.h"
#include "support/game_test.h"

namespace {
class GravityTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        spalten = 9;
        gruppen_ziel = 20;  // a group found by a landing does not end the level
        loesche_spielfeld();
    }
};

struct Twin {
    const char* name;
    void (*tick)();
    spielfeld* board;
    spielfeld* other;
};
const Twin kTwins[] = {{"fall_down", fall_down, &spielfeld1, &spielfeld2},
                       {"fall_down2", fall_down2, &spielfeld2, &spielfeld1}};

// Of a stack over a gap only the lowest stone falls, 2 pixels a tick, landing with its sound in
// the 16th; the one above starts in the tick after, the top one waits above a leaving cell.
TEST_F(GravityTest, StackFallsOneStoneAtATimeTwoPixelsPerTick) {
    // Rows 15 to 18 of the column and the landings heard after so many ticks.
    const std::tuple<int, std::vector<int>, size_t> after[] = {
        {1, {1, 2, 1002, 103}, 0},  {15, {1, 2, 1030, 103}, 0}, {16, {1, 2, 0, 3}, 1},
        {17, {1, 1002, 102, 3}, 1}, {48, {0, 1, 2, 3}, 3},      {49, {0, 1, 2, 3}, 3},
    };
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        loesche_spielfeld();
        backend.sounds_played.clear();
        spielfeld& b = *twin.board;
        b(2, 15) = 1, b(2, 16) = 2, b(2, 17) = 3;
        const spielfeld untouched = *twin.other;
        int ticks = 0;
        for (const auto& [tick, rows, landings] : after) {
            while (ticks < tick) twin.tick(), ++ticks;
            EXPECT_EQ((std::vector<int>{b(2, 15), b(2, 16), b(2, 17), b(2, 18)}), rows) << "tick " << tick;
            EXPECT_EQ(backend.sounds_played, std::vector<int>(landings, 3)) << "tick " << tick;
        }
        EXPECT_EQ(*twin.other, untouched);
    }
}

TEST_F(GravityTest, EachLandingRunsTheGroupCheckBeforeTheScanGoesOn) {
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        loesche_spielfeld();
        gruppen1 = gruppen2 = fuehrung = 0;
        backend.sounds_played.clear();
        spielfeld& b = *twin.board;
        // Column 2: the third 4 arrives on two others; column 5: a 6 arrives on the floor.
        b(2, 15) = 1030, b(2, 16) = 104, b(2, 17) = 4, b(2, 18) = 4;
        b(5, 17) = 1030, b(5, 18) = 106;
        twin.tick();
        const int group_sound = twin.board == &spielfeld1 ? 1 : 12;
        EXPECT_EQ(backend.sounds_played, (std::vector<int>{3, group_sound, 11, 3}));
        EXPECT_EQ(b(5, 18), 6);
        EXPECT_GE(b(2, 16), 10000);
    }
}

// One tick on three cells on the floor, seen after the tick's redraw (one animation frame). A stone
// in its last pixels lands, heard unless on an empty or moving cell; a resting row or cross stone
// goes off.
TEST_F(GravityTest, OneTickOnACellAndTheTwoBelowIt) {
    struct Case {
        const char* what;
        int16_t upper, lower, below, upper_after, lower_after;
        std::vector<int> sounds;
    };
    const Case cases[] = {
        {"stone on the floor", 1030, 104, 99, 0, 4, {3}},
        {"stone on a stone", 1030, 104, 6, 0, 4, {3}},
        {"blockstein on the floor", 1030, 110, 99, 0, 10, {3}},
        {"blockstein on a row stone", 1030, 110, 11, 0, 10, {3}},
        {"row stone on the floor", 1030, 111, 99, 0, 30001, {5}},
        {"row stone on a stone", 1030, 111, 2, 0, 30001, {5}},
        {"cross stone on a blockstein", 1030, 112, 10, 0, 30051, {5}},
        {"stone on an empty cell", 1030, 104, 0, 0, 4, {}},
        {"row stone on an empty cell", 1030, 111, 0, 0, 11, {}},
        {"stone on a falling target", 1030, 104, 105, 0, 4, {}},
        {"cross stone on a leaving cell", 1030, 112, 1010, 0, 12, {}},
        {"leaving cell above a later vanish frame is lost", 1010, 20001, 7, 0, 20002, {}},
        {"leaving cell above an effect is lost", 1010, 30000, 7, 0, 30001, {}},
        {"group member above an effect is cleared", 10003, 30041, 7, 0, 30042, {}},
        {"leaving cell above the first vanish frame goes on", 1010, 20000, 7, 1012, 20001, {}},
        // Nothing to land: the stone is dropped and the cell below stays vanishing.
        {"arrival above the first vanish frame", 1030, 20000, 7, 0, 20001, {}},
        {"group member is never advanced", 10003, 0, 7, 10003, 0, {}},
        {"vanishing cell does not fall", 20002, 0, 7, 20003, 0, {}},
        {"stone above a target cell waits", 5, 104, 7, 5, 104, {}},
        {"stone above a group member stays", 5, 10005, 7, 5, 10005, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        loesche_spielfeld();
        backend.sounds_played.clear();
        put(spielfeld1, {{6, 16, c.upper}, {6, 17, c.lower}, {6, 18, c.below}});
        fall_down();
        EXPECT_EQ(values(spielfeld1(6, 16), spielfeld1(6, 17)), values(c.upper_after, c.lower_after));
        EXPECT_EQ(backend.sounds_played, c.sounds);
    }
}

}  // namespace
