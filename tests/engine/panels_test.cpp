#include <gtest/gtest.h>

#include <string>

#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/desktop.h"
#include "support/game_test.h"
#include "support/tiles.h"

namespace {
class PanelsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        schwierigkeit = 2;
        spielzeit_wahl = 1;
        spiel_initialisieren();
    }
};

// The panels as the screen shows them: the score, the place and, over the ladder, the marker.
TEST_F(PanelsTest, ScorePlaceAndMarkerFollowTheGamesOwnList) {
    // A fresh file's lists; the one the high-score screen shows must not matter.
    for (int p = 1; p <= 20; ++p)
        for (int d = 1; d <= 3; ++d)
            for (int t = 1; t <= 3; ++t) hs_punkte[p][d][t] = 8500 + 2000 * t - 500 * p;
    hs_schwierigkeit = 1;
    hs_spielzeit = 3;
    const struct {
        int16_t play_time;
        double score;
        const char* shown;  // score, place, marker
        int top;            // of the marker
    } cases[] = {
        {1, 4800, "000004800 12 11", 212},
        // A score equal to an entry does not take its place, and has covered the whole gap.
        {1, 4500, "000004500 13 12", 52},
        {1, 10000, "000010000 02 01", 52},
        {1, 10001, "000010001 01", 0},  // no marker, and the cases after it show it again
        {1, 1234567890, "234567890 01", 0},
        // No place earned: the ladder's foot is place 21, empty until a score pushed one there.
        {1, 0, "000000000 21 20", 452},
        {1, 250, "000000250 21 20", 252},
        {2, 4800, "000004800 16 15", 212},
        {3, 4600, "000004600 20 19", 372},
    };
    Form1->Show();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.play_time << ": " << c.score);
        spielzeit_wahl = c.play_time;
        gesamtpunkte = c.score;
        show_score();
        const Image& frame = rt::desktop().compose();
        std::string shown =
            digits_shown(frame, 270 + 13, 26, 2, 9, 10, 26) + " " + digits_shown(frame, 6, 22, 25, 2, 0, 22);
        if (Form1->Picture16[0].Visible.get() || Form1->Picture16[1].Visible.get())
            shown += " " + digits_shown(frame, 6, 22, c.top, 2, 0, 22);
        EXPECT_EQ(shown, c.shown);
    }
}

TEST_F(PanelsTest, SpeedLampsShowTheStepInForce) {
    tempo_klasse = 2;
    const struct {
        int16_t interval;
        const char* lamps;  // top to bottom
    } cases[] = {
        {tempo[2][1], "..X"}, {tempo[2][2], ".XX"},
        {tempo[2][3], "XXX"}, {static_cast<int16_t>(tempo[2][1] + 1), "..."},
        {tempo[1][1], "..."},  // a step of another row
    };
    const Image& lit = Form2->Picture11[0].Picture();
    const Image& unlit = Form2->Picture11[1].Picture();
    for (int side = 0; side < 2; ++side)
        for (const auto& c : cases) {
            SCOPED_TRACE("side " + std::to_string(side) + ", interval " + std::to_string(c.interval));
            // The other side's interval must not leak into this meter.
            intervall1 = side == 0 ? c.interval : tempo[2][3];
            intervall2 = side == 1 ? c.interval : tempo[2][3];
            side == 0 ? show_speed() : show_speed2();
            const Image& box = Form1->Picture11[side].Picture();
            std::string lamps;
            for (int j = 0; j < 3; ++j)
                for (const auto& [lamp, tile] : {std::pair{'X', &lit}, std::pair{'.', &unlit}})
                    if (shows_tile(box, 0, 32 * j, 32, 32, *tile)) lamps += lamp;
            EXPECT_EQ(lamps, c.lamps);
        }
    ASSERT_NE(tempo[1][1], tempo[2][1]);
}
}  // namespace
