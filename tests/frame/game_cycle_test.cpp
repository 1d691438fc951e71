// Game after game on the fake clock: the high-score screen at a game's end, OK, and the way back
// through the menu to the next game.
#include <gtest/gtest.h>

#include <string>

#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"
#include "screens/highscore_screen.h"
#include "screens/menu_screen.h"
#include "screens/name_entry.h"
#include "support/game_test.h"
#include "support/menu_player.h"
#include "support/temp_folder.h"
#include "support/tiles.h"

namespace {
using menu_spot::kClose;
using menu_spot::kHighscore;
using menu_spot::kStart;
constexpr int kOk[] = {740, 583};  // the high-score screen's OK
// A 10-minute game with its start rows and game-over sequence, with room for a minute won.
constexpr uint32_t kGameMs = 700'000;

class GameCycle : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        folder.link_sounds();
        backend.folder = folder.path().string();
        backend.keep_frames = false;  // the cycle is about state, not pixels
        // A close of the window after two games ends whatever still runs, should a step not happen.
        rt::set_quit_handler([] { programm_beenden(); });
        backend.schedule(InputEvent{}, 2 * kGameMs);
    }

    void click_at(const int (&where)[2], uint32_t at) {
        InputEvent event;
        event.x = where[0];
        event.y = where[1];
        for (auto kind : {InputEvent::Kind::MouseMove, InputEvent::Kind::MouseDown, InputEvent::Kind::MouseUp}) {
            event.kind = kind;
            backend.schedule(event, at);
        }
    }
    // Enter in the name entry, taking the name offered.
    void enter_at(uint32_t at) {
        backend.key_down(vk::Return, at);
        backend.key_up(vk::Return, at + 20);
    }
    // Lets the program's screens run until the program ends (as the entry point does after Main).
    bool run_screens() {
        return ends_program([] {
            for (;;) DoEvents();
        });
    }

    TempFolder folder;
};

// The first game played from Main to its end, OK, and the next game from the menu: its loop
// runs, so its clock counts down.
TEST_F(GameCycle, MenuNameGameHighscoresOkAndTheNextGameRuns) {
    start_from_menu(backend);
    EXPECT_FALSE(ends_program([] { Main(); }));  // Main returns with the first game's end
    ASSERT_TRUE(Form4->shown());
    const uint32_t after = backend.clock;
    click_at(kOk, after + 100);
    click_at(kStart, after + 1000);
    enter_at(after + 1500);
    backend.key_down(vk::Escape, after + 20'000);  // ends the second game and with it the program
    EXPECT_TRUE(run_screens());
    EXPECT_EQ(values(games_started, spiel_beendet, restzeit < 600), values(2, kFalse, true));
}

// The state right after a game over, without playing one: the high-score screen shows the list.
class AfterAGame : public GameCycle {
protected:
    void SetUp() override {
        GameCycle::SetUp();
        schwierigkeit = hs_schwierigkeit = 2;
        spielzeit_wahl = hs_spielzeit = 1;
        restzeit = 0;
        spieler_name = "ABC";
        highscore_laden();
        spiel_initialisieren();
        spiel_beendet = kTrue;
        Form4->Show();
        Form4->zeige_highscore(neuer_rang);
    }
};

TEST_F(AfterAGame, TheNextGameStartsFreshFromTheMenuCentredPointerToItsPanels) {
    // What the last game leaves behind: its score and level on the panels, part of a clock
    // second, the pointer where the high-score screen put it.
    gesamtpunkte = 987654;
    level = 5;
    show_score();
    show_level();
    gesamtpunkte = 0;
    level = 1;
    uhr_rest = 700;
    SetCursorPos(400, 500);

    struct Seen {
        int pointer_x, pointer_y;
        double clock_carry;
        int16_t ended;
        std::string score, level;
        bool menu_shown, choices_shown;
    };
    Seen waiting, playing;
    int looks = 0;
    // Two closes of the window look at the program: while the menu waits, and once the game is set up.
    rt::set_quit_handler([&] {
        Seen& seen = ++looks == 1 ? waiting : playing;
        seen.pointer_x = backend.pointer_x;
        seen.pointer_y = backend.pointer_y;
        seen.clock_carry = uhr_rest;
        seen.ended = spiel_beendet;
        seen.score = digits_shown(Form1->Picture10.Picture(), 13, 26, 2, 9, 10, 26);
        seen.level = digits_shown(Form1->Picture12.Picture(), 13, 26, 4, 3, 0, 22);
        seen.menu_shown = Form3->shown();
        // Normal difficulty and ten minutes show their chosen faces (the set's pictures 6 to 8).
        seen.choices_shown = Form3->Picture2[1].Picture().pixels == Form3->Picture2[7].Picture().pixels &&
                             Form3->Picture3[0].Picture().pixels == Form3->Picture3[6].Picture().pixels;
        if (looks == 2) programm_beenden();
    });
    click_at(kOk, 100);
    backend.schedule(InputEvent{}, 500);
    click_at(kStart, 1000);
    enter_at(1200);
    backend.schedule(InputEvent{}, 1300);
    EXPECT_TRUE(run_screens());
    ASSERT_EQ(looks, 2);

    // The next game's first second is a whole one; until its loop, OK still leads here.
    EXPECT_EQ(values(waiting.pointer_x, waiting.pointer_y, waiting.clock_carry, waiting.ended, waiting.menu_shown,
                     waiting.choices_shown),
              values(400, 300, 0, kTrue, true, true));
    EXPECT_EQ(values(playing.pointer_x, playing.pointer_y, playing.menu_shown), values(799, 599, false));
    EXPECT_EQ(playing.score + " " + playing.level, "000000000 001");  // not the last game's
}

TEST_F(AfterAGame, OkAgainFromTheMenuWaitsAgainAndOneStartStartsOneGame) {
    // OK, then the high-score screen from the menu with another play time, and OK again: the
    // second OK runs the way to the next game once more; the clock comes from the list last shown.
    click_at(kOk, 100);
    click_at(kHighscore, 1000);
    const int twenty_minutes[] = {397, 527};
    click_at(twenty_minutes, 4000);
    click_at(kOk, 5000);
    click_at(kStart, 6000);
    enter_at(6500);
    backend.key_down(vk::Escape, 20'000);
    EXPECT_TRUE(run_screens());
    EXPECT_EQ(values(games_started, spielzeit_wahl, restzeit), values(1, 2, 1200 - spielsekunden));
}

TEST_F(AfterAGame, AStartWhoseNameEntryOutlivedAnotherGameStartsNoGameOfItsOwn) {
    // Start opens the name entry; meanwhile the menu's Highscore and OK lead to the next game's
    // wait once more, and a second Start starts a game there. When that game is over, the first
    // Start's name entry is confirmed by the same Enter; it must not start another game over the
    // unsaved high-score screen.
    click_at(kOk, 100);
    click_at(kStart, 1000);
    click_at(kHighscore, 2000);
    click_at(kOk, 4000);
    click_at(kStart, 5000);
    enter_at(5500);
    const uint32_t over = 5500 + kGameMs + 20'000;
    backend.key_down(vk::Escape, over);  // would end a game started by the stale Start
    click_at(kOk, over + 1000);
    click_at(kClose, over + 2000);
    EXPECT_TRUE(run_screens());
    EXPECT_EQ(values(spiel_beendet, games_started), values(kTrue, 1));  // the game ran to its end
}
}  // namespace
