#include <tuple>
#include <vector>

#include "engine/board.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/state.h"
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

TEST_F(GravityTest, LandingSoundDependsOnStoneAndWhatLiesBelow) {
    struct Case {
        int stone, below;
        std::vector<int> sounds;
        int landed;  // a resting row or cross stone goes off in the group check; the redraw runs a frame
    };
    const Case cases[] = {
        {4, 99, {3}, 4},      {4, 6, {3}, 4},      {10, 99, {3}, 10},    {10, 11, {3}, 10},
        {11, 99, {5}, 30001}, {11, 2, {5}, 30001}, {12, 10, {5}, 30051}, {12, 99, {5}, 30051},
        {4, 0, {}, 4},        {11, 0, {}, 11},     {4, 105, {}, 4},      {12, 1010, {}, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stone " << c.stone << " on " << c.below);
        loesche_spielfeld();
        backend.sounds_played.clear();
        spielfeld1(5, 16) = static_cast<int16_t>(c.stone);
        spielfeld1(5, 18) = static_cast<int16_t>(c.below);
        // Whatever lies below must not move while the stone falls onto row 17.
        for (int k = 1; k <= 16; ++k) {
            fall_down();
            spielfeld1(5, 18) = static_cast<int16_t>(c.below);
        }
        EXPECT_EQ(spielfeld1(5, 17), c.landed);
        EXPECT_EQ(backend.sounds_played, c.sounds);
    }
}

TEST_F(GravityTest, EachLandingRunsTheGroupCheckBeforeTheScanGoesOn) {
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        loesche_spielfeld();
        gruppen1 = gruppen2 = 0;
        fuehrung = 0;
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

TEST_F(GravityTest, OneTickOnACellAndTheCellBelowIt) {
    struct Case {
        const char* what;
        int upper, lower;
        int upper_after, lower_after;  // after the tick's closing redraw, which runs one animation frame
    };
    const Case cases[] = {
        {"leaving cell above a later vanish frame is lost", 1010, 20001, 0, 20002},
        {"leaving cell above an effect is lost", 1010, 30000, 0, 30001},
        {"group member above an effect is cleared", 10003, 30041, 0, 30042},
        {"leaving cell above the first vanish frame goes on", 1010, 20000, 1012, 20001},
        // Nothing to land: the stone is dropped and the cell below stays vanishing.
        {"arrival above the first vanish frame", 1030, 20000, 0, 20001},
        {"group member is never advanced", 10003, 0, 10003, 0},
        {"vanishing cell does not fall", 20002, 0, 20003, 0},
        {"stone above a target cell waits", 5, 104, 5, 104},
        {"stone above a group member stays", 5, 10005, 5, 10005},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        loesche_spielfeld();
        backend.sounds_played.clear();
        spielfeld1(6, 10) = static_cast<int16_t>(c.upper);
        spielfeld1(6, 11) = static_cast<int16_t>(c.lower);
        spielfeld1(6, 12) = 7;  // keeps the lower cell from starting a fall
        fall_down();
        EXPECT_EQ(spielfeld1(6, 10), c.upper_after);
        EXPECT_EQ(spielfeld1(6, 11), c.lower_after);
        EXPECT_TRUE(backend.sounds_played.empty());
    }
}

}  // namespace
