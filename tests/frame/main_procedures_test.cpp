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
        // A close of the window a minute on ends a wait that nothing else ends.
        rt::set_quit_handler([] { programm_beenden(); });
        backend.schedule(InputEvent{}, 60'000);
    }
    // Runs the program until it ends; ends it through the shutdown if Main returns on its own.
    void run_program() {
        if (!ends_program([] { Main(); })) {
            EXPECT_TRUE(ends_program([] { programm_beenden(); }));
        }
    }
    TempFolder folder;
};

TEST_F(Spine, StartsTheFirstGameWithTheDefaultsAndTheFoldersHighScoresAndShutsDownGivingTheDisplayBack) {
    highscore_laden();  // the defaults: there is no file yet
    hs_name[3][2][1] = "ZOE";
    highscore_speichern();
    reset_program_state();
    start_from_menu(backend);
    run_program();
    EXPECT_EQ(hs_name[3][2][1] + " " + hs_name[4][2][1], "ZOE Kelvaro");
    // The loop began with the first second counted: -1 before the wait, one count by the clock.
    EXPECT_EQ(values(schwierigkeit, spielzeit_wahl, hs_schwierigkeit, hs_spielzeit, spalten, start_signal,
                     spiel_beendet, spielsekunden),
              values(2, 1, 2, 1, 9, kFalse, kFalse, 0));
    EXPECT_EQ(sound_pfad, folder.file("sound") + "/");
    // Both boards hold the same start rows.
    EXPECT_NE(spielfeld1(1, 18), 0);
    EXPECT_EQ(spielfeld1(1, 18), spielfeld2(1, 18));
    ASSERT_EQ(backend.display_changes.size(), 2u);
    EXPECT_EQ(values(backend.display_changes[0].width, backend.display_changes[0].height,
                     backend.display_changes[1].width, backend.display_changes[1].height),
              values(800, 600, 1920, 1080));
}

TEST_F(Spine, ShutdownUnloadsTheMenuAndScoreScreensTooWhetherShownOrNot) {
    Form3->Show();
    Form4->Show();
    Form6.get();  // loaded, never shown
    EXPECT_TRUE(ends_program([] { programm_beenden(); }));
    const rt::FormSlot* const screens[] = {&Form1, &Form2, &Form3, &Form4, &Form6};
    for (const rt::FormSlot* screen : screens) EXPECT_FALSE(screen->loaded());
}

// The menu waits with the pointer centred and "normal" and "10 min" chosen.
TEST_F(Spine, WaitsInTheMenuShowingNormalAndTenMinutesChosen) {
    backend.clock = 0;
    backend.schedule(InputEvent{}, 500);  // the window is closed while the menu waits
    run_program();
    EXPECT_EQ(spielsekunden, -1);  // no game began
    EXPECT_EQ(values(backend.pointer_x, backend.pointer_y), values(400, 300));
    struct Face {
        int left, top;
        const char* picture;
    };
    const Face faces[] = {
        {144, 256, "form3/picture2_3"}, {144, 296, "form3/picture2_7"}, {144, 336, "form3/picture2_5"},
        {544, 256, "form3/picture3_6"}, {544, 295, "form3/picture3_4"}, {544, 336, "form3/picture3_5"},
    };
    for (const Face& face : faces)
        EXPECT_TRUE(shows_picture(backend.frame, face.left, face.top, embedded_picture(face.picture))) << face.picture;
}
}  // namespace
