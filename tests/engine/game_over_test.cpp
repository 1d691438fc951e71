#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "frame/highscore_file.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "screens/highscore_screen.h"
#include "support/game_test.h"
#include "support/temp_folder.h"

namespace {
// Keeps the frame shown at every pause, so the sprite's way down can be looked at.
class FrameRecorder : public rt::TestBackend {
public:
    struct Shot {
        uint32_t ms;
        Image frame;
    };
    std::vector<Shot> shots;
    void sleep_ms(uint32_t ms) override {
        shots.push_back({ms, frame});
        TestBackend::sleep_ms(ms);
    }
};

HighscoreEntry at(int p, int d, int t) {
    return {hs_punkte[p][d][t], hs_name[p][d][t], hs_zeit[p][d][t], hs_level[p][d][t]};
}

class GameOver : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        rt::install_backend(&recorder);
        recorder.folder = folder.path().string();
        recorder.keep_frames = false;  // only the sprite's test looks at frames
    }

    // A game of the given list near its end, both boards drawn.
    void play(int16_t difficulty, int16_t play_time, double score, int16_t columns = 9) {
        schwierigkeit = difficulty;
        spielzeit_wahl = play_time;
        spiel_initialisieren();
        Form1->Show();
        loesche_spielfeld();
        spalten = columns;  // as a level end leaves it
        build_walls();
        set_column_values();
        place_boards();
        fuelle_reihen(start_reihen);
        zeichne_spielfeld(1);
        zeichne_spielfeld2(1);
        gesamtpunkte = score;
        spieler_name = "ANNA";
        spielsekunden = 734;
        level = 3;
        restzeit = 0;
    }

    FrameRecorder recorder;
    TempFolder folder;
};

// The place in the default 10-minute list (10000 down to 500), as last saved, not as in memory.
TEST_F(GameOver, TheScoreTakesTheFirstPlaceItBeatsInTheSavedListsAndPushesTheRestDown) {
    for (const auto& [score, place] :
         {std::pair{4800.0, 12}, {10001.0, 1}, {10000.0, 2}, {9999.0, 2}, {501.0, 20}, {500.0, 0}, {0.0, 0}}) {
        SCOPED_TRACE(score);
        reset_program_state();
        play(3, 1, score);
        highscore_laden();
        for (int p = 1; p <= 20; ++p) hs_name[p][3][1] = "SAVED";
        std::vector<HighscoreEntry> before;
        for (int p = 0; p <= 21; ++p) before.push_back(at(p, 3, 1));
        highscore_speichern();
        for (int p = 1; p <= 20; ++p) hs_punkte[p][3][1] = 0;

        spielende();

        EXPECT_EQ(neuer_rang, place);
        for (int p = 1; p <= 21; ++p) {
            HighscoreEntry expected = before[static_cast<size_t>(p)];
            if (place > 0 && p > place) expected = before[static_cast<size_t>(p - 1)];
            if (p == place) expected = {score, "ANNA", "734", "3"};
            EXPECT_EQ(at(p, 3, 1), expected) << "place " << p;
        }
    }
}

// Each frame: the board as last drawn, the sprite masked over it two pixels lower than before; the
// last stays through the pause. Then the high-score screen opens on the game's list, pointer on OK.
TEST_F(GameOver, TheSpriteSlidesDownThePlayersBoardThenTheHighScoreScreenTakesOver) {
    for (const int16_t columns : {9, 7}) {  // the sprite is centred on the board's current width
        SCOPED_TRACE(columns);
        reset_program_state();
        play(2, 3, 0, columns);
        recorder.keep_frames = true;
        recorder.shots.clear();
        recorder.sounds_played.clear();
        hs_schwierigkeit = 1, hs_spielzeit = 1;
        const uint32_t start = recorder.clock;
        const Image board = Form1->Picture1.Picture();
        const int left = Form1->Picture2.Left, top = Form1->Picture2.Top, width = spielfeld_breite;
        const Image& image = Form2->Picture15[0].Picture();
        const Image& mask = Form2->Picture15[1].Picture();
        spielende();

        ASSERT_EQ(recorder.shots.size(), 236u);
        EXPECT_EQ(recorder.shots.back().ms, 1500u);
        const int sprite_x = width / 2 - 96;
        for (const size_t n : {size_t{0}, size_t{1}, size_t{117}, size_t{234}, size_t{235}}) {
            SCOPED_TRACE(n);
            const int sprite_y = 2 * static_cast<int>(std::min<size_t>(n, 234));
            const Image& frame = recorder.shots[n].frame;
            int wrong = 0;
            for (int y = 8; y < 544; ++y)  // the score panel hides the rows above
                for (int x = 0; x < width; ++x) {
                    uint32_t expected = board.at(x, y + 32);
                    const int sx = x - sprite_x, sy = y - sprite_y;
                    if (sx >= 0 && sy >= 0 && sx < image.width && sy < image.height)
                        expected = (expected & mask.at(sx, sy)) ^ image.at(sx, sy);
                    wrong += frame.at(left + x, top + y) != expected;
                }
            EXPECT_EQ(wrong, 0);
        }
        // The board under the sprite is put back once the pause is over.
        EXPECT_EQ(Form1->Picture2.Picture().at(width / 2, 500), board.at(width / 2, 532));
        EXPECT_EQ(recorder.sounds_played, std::vector<int>{13});
        EXPECT_EQ(values(recorder.clock - start, spiel_beendet, hs_schwierigkeit, hs_spielzeit, neuer_rang,
                         recorder.pointer_x, recorder.pointer_y, Form4->shown(), Form1->shown()),
                  values(235 * 25 + 1500, kTrue, 2, 3, 0, 400, 500, true, false));
    }
}
}  // namespace
