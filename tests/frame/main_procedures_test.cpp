#include <gtest/gtest.h>

#include "engine/game_screen.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/pictures.h"
#include "screens/highscore_screen.h"
#include "screens/menu_screen.h"
#include "screens/name_entry.h"
#include "support/game_test.h"
#include "support/menu_player.h"
#include "support/temp_folder.h"
#include "support/tiles.h"

namespace {
class Spine : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        // The program's folder is the test's own: it holds the sounds but no high-score file.
        folder.link_sounds();
        backend.folder = folder.path().string();
        backend.display = {1920, 1080};
        backend.key_down(vk::Escape, 0);  // the game ends at its first pass
    }
    // The player starts the game from the menu.
    void start_game() { start_from_menu(backend); }
    // Runs the program until it ends; ends it through the shutdown if Main returns on its own.
    void run_program() {
        if (!ends_program([] { Main(); })) {
            EXPECT_TRUE(ends_program([] { programm_beenden(); }));
        }
    }
    TempFolder folder;
};

TEST_F(Spine, StartsTheFirstGameWithTheDefaultsAndShutsDownGivingTheDisplayBack) {
    start_game();
    run_program();
    EXPECT_EQ(schwierigkeit, 2);
    EXPECT_EQ(spielzeit_wahl, 1);
    EXPECT_EQ(hs_schwierigkeit, 2);
    EXPECT_EQ(hs_spielzeit, 1);
    EXPECT_EQ(spalten, 9);
    EXPECT_EQ(sound_pfad, folder.file("sound") + "/");
    EXPECT_EQ(alte_breite, 1920);
    EXPECT_EQ(alte_hoehe, 1080);
    EXPECT_EQ(start_signal, kFalse);
    EXPECT_EQ(spiel_beendet, kFalse);
    // The loop began with the first second counted: -1 before the wait, one count by the clock.
    EXPECT_EQ(spielsekunden, 0);
    // The game was set up: both boards hold the same start rows, the pointer is parked.
    EXPECT_NE(spielfeld1(1, 18), 0);
    EXPECT_EQ(spielfeld1(1, 18), spielfeld2(1, 18));
    EXPECT_EQ(backend.pointer_x, 799);
    EXPECT_EQ(backend.pointer_y, 599);
    // The shutdown unloads the screens and gives the display back.
    EXPECT_FALSE(Form1.loaded());
    EXPECT_FALSE(Form2.loaded());
    ASSERT_EQ(backend.display_changes.size(), 2u);
    EXPECT_EQ(backend.display_changes.front().width, 800);
    EXPECT_EQ(backend.display_changes.front().height, 600);
    EXPECT_EQ(backend.display_changes.back().width, 1920);
    EXPECT_EQ(backend.display_changes.back().height, 1080);
}

TEST_F(Spine, ShutdownUnloadsTheMenuAndScoreScreensTooWhetherShownOrNot) {
    Form3->Show();
    Form4->Show();
    Form6.get();  // loaded, never shown
    EXPECT_TRUE(ends_program([] { programm_beenden(); }));
    const rt::FormSlot* const screens[] = {&Form1, &Form2, &Form3, &Form4, &Form6};
    for (const rt::FormSlot* screen : screens) EXPECT_FALSE(screen->loaded());
}

TEST_F(Spine, WaitsInTheMenuUntilANameIsConfirmedThenPlaysTheChosenGame) {
    // "schwer" and "30 min" chosen in the menu, then Start; Enter on the empty name does nothing,
    // and the name typed a second later starts the game.
    backend.click(menu_spot::kDifficultyX, menu_spot::kOptionTop[2]);
    backend.click(menu_spot::kPlayTimeX, menu_spot::kOptionTop[2]);
    backend.click(menu_spot::kStart[0], menu_spot::kStart[1]);
    backend.tap(vk::Return);
    for (int key : {int{'Z'}, int{'O'}, int{'E'}, vk::Return}) {
        backend.key_down(key, 1000);
        backend.key_up(key, 1000);
    }
    run_program();
    EXPECT_GE(backend.clock, 1000u);
    EXPECT_EQ(spieler_name, "ZOE");
    EXPECT_EQ(schwierigkeit, 3);
    EXPECT_EQ(stein_arten, 8);
    EXPECT_EQ(restzeit, 1800);
    EXPECT_EQ(spielzeit_wahl, 3);
    EXPECT_EQ(hs_spielzeit, 3);
}

TEST_F(Spine, WaitsInTheMenuShowingNormalAndTenMinutesChosen) {
    rt::set_quit_handler([] { programm_beenden(); });
    backend.clock = 0;
    backend.schedule(InputEvent{}, 500);  // the window is closed while the menu waits
    run_program();
    EXPECT_EQ(spielsekunden, -1);  // no game began
    struct Face {
        int left, top;
        const char* picture;
    };
    const Face faces[] = {
        {144, 256, "form3/picture2_3"}, {144, 296, "form3/picture2_7"}, {144, 336, "form3/picture2_5"},
        {544, 256, "form3/picture3_6"}, {544, 295, "form3/picture3_4"}, {544, 336, "form3/picture3_5"},
    };
    for (const Face& face : faces) {
        SCOPED_TRACE(face.picture);
        EXPECT_TRUE(shows_picture(backend.frame, face.left, face.top, embedded_picture(face.picture)));
    }
}

TEST_F(Spine, LoadsTheHighScoresOfTheProgramsFolderAtStart) {
    highscore_laden();  // the defaults: there is no file yet
    hs_name[3][2][1] = "ZOE";
    highscore_speichern();
    hs_name[3][2][1].clear();
    start_game();
    run_program();
    EXPECT_EQ(hs_name[3][2][1], "ZOE");
    EXPECT_EQ(hs_name[4][2][1], "Kelvaro");
}
}  // namespace
