#include "screens/menu_screen.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/game_screen.h"
#include "frame/state.h"
#include "runtime/desktop.h"
#include "screens/highscore_screen.h"
#include "screens/name_entry.h"
#include "screens/procedures.h"
#include "support/game_test.h"
#include "support/menu_player.h"

namespace {
using Set = rt::ControlArray<rt::PictureBox>;

bool same(const Image& a, const Image& b) { return a.width == b.width && a.height == b.height && a.pixels == b.pixels; }

// The face indices that the three visible buttons of an option set show now.
std::vector<int> faces(Set& set) {
    std::vector<int> shown;
    for (int i = 0; i < 3; ++i) {
        int face = -1;
        for (int f = 3; f <= 8; ++f)
            if (same(set[i].Picture(), set[f].Picture())) face = f;
        shown.push_back(face);
    }
    return shown;
}

// The faces of Start, Highscore and Hilfe: 1 normal, 2 lit, 0 neither.
std::vector<int> button_faces() {
    std::vector<int> shown;
    for (Set* set : {&Form3->Picture1, &Form3->Picture5, &Form3->Picture6}) {
        const Image& face = (*set)[0].Picture();
        shown.push_back(same(face, (*set)[2].Picture()) ? 2 : same(face, (*set)[1].Picture()) ? 1 : 0);
    }
    return shown;
}

class Menu : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        // As the start procedure leaves it: difficulty 2, ten minutes, the menu shown.
        use_start_settings();
        Form3->Show();
        schwierigkeit_anzeigen();
        spielzeit_anzeigen();
    }
    void click(const int (&spot)[2]) { click(spot[0], spot[1]); }
    void click(int x, int y) {
        backend.click(x, y);
        DoEvents();
    }
    void move(const int (&spot)[2]) {
        backend.mouse_move(spot[0], spot[1]);
        DoEvents();
    }
};

using MenuLoad = GameTest;

TEST_F(MenuLoad, OptionsShowTheirNormalFacesUntilTheChoicesAreShown) {
    EXPECT_EQ(faces(Form3->Picture2), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(faces(Form3->Picture3), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(button_faces(), (std::vector<int>{1, 1, 1}));
    EXPECT_FALSE(Form3->Picture7.Visible || Form3->Picture8.Visible);
    EXPECT_TRUE(same(Form3->Picture8.Picture(), Form4->Picture2[1].Picture()));
}

TEST_F(Menu, EachOptionClickChoosesItsSettingAndShowsOnlyItsOwnSelectedFace) {
    struct Case {
        int x, row;
        int16_t difficulty, play_time, clock;
        std::vector<int> difficulty_faces, play_time_faces;
    };
    // Each click goes on from where the one before left the menu.
    const Case cases[] = {
        {menu_spot::kDifficultyX, 0, 1, 1, 600, {6, 4, 5}, {6, 4, 5}},
        {menu_spot::kDifficultyX, 1, 2, 1, 600, {3, 7, 5}, {6, 4, 5}},
        {menu_spot::kDifficultyX, 2, 3, 1, 600, {3, 4, 8}, {6, 4, 5}},
        {menu_spot::kPlayTimeX, 1, 3, 2, 1200, {3, 4, 8}, {3, 7, 5}},
        {menu_spot::kPlayTimeX, 2, 3, 3, 1800, {3, 4, 8}, {3, 4, 8}},
        {menu_spot::kPlayTimeX, 0, 3, 1, 600, {3, 4, 8}, {6, 4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "x " << c.x << " row " << c.row);
        backend.sounds_played.clear();
        click(c.x, menu_spot::kOptionTop[c.row]);
        EXPECT_EQ(backend.sounds_played, std::vector<int>{14});
        // The list the Highscore button shows next follows too.
        EXPECT_EQ(values(schwierigkeit, hs_schwierigkeit, spielzeit_wahl, hs_spielzeit, restzeit),
                  values(c.difficulty, c.difficulty, c.play_time, c.play_time, c.clock));
        EXPECT_EQ(faces(Form3->Picture2), c.difficulty_faces);
        EXPECT_EQ(faces(Form3->Picture3), c.play_time_faces);
    }
}

TEST_F(Menu, PlayTimeFacesFollowTheClockAndStayWhenItHoldsNoChoice) {
    click(menu_spot::kPlayTimeX, menu_spot::kOptionTop[2]);
    for (int16_t clock : {1740, 0, -60}) {  // a game's clock has moved on
        restzeit = clock;
        spielzeit_anzeigen();
        EXPECT_EQ(faces(Form3->Picture3), (std::vector<int>{3, 4, 8})) << clock;
    }
    restzeit = 1200;
    spielzeit_anzeigen();
    EXPECT_EQ(faces(Form3->Picture3), (std::vector<int>{3, 7, 5}));
    schwierigkeit = 0;
    schwierigkeit_anzeigen();
    EXPECT_EQ(faces(Form3->Picture2), (std::vector<int>{3, 7, 5}));
}

TEST_F(Menu, OnlyTheThreeMenuButtonsLightUpUnderThePointerAndGoBackOverTheBackground) {
    const int* const spots[] = {menu_spot::kStart, menu_spot::kHighscore, menu_spot::kHelp};
    for (int b = 0; b < 3; ++b) {
        backend.mouse_move(spots[b][0], spots[b][1]);
        DoEvents();
        std::vector<int> lit = {1, 1, 1};
        lit[b] = 2;
        EXPECT_EQ(button_faces(), lit);
        move(menu_spot::kBackground);
        EXPECT_EQ(button_faces(), (std::vector<int>{1, 1, 1}));
    }
    // The option buttons keep their faces under the pointer.
    backend.mouse_move(menu_spot::kDifficultyX, menu_spot::kOptionTop[0]);
    backend.mouse_move(menu_spot::kPlayTimeX, menu_spot::kOptionTop[2]);
    DoEvents();
    EXPECT_EQ(faces(Form3->Picture2), (std::vector<int>{3, 7, 5}));
    EXPECT_EQ(faces(Form3->Picture3), (std::vector<int>{6, 4, 5}));
}

TEST_F(Menu, HelpOverlayCoversTheButtonsUntilItsOkClosesIt) {
    click(menu_spot::kHelp);
    EXPECT_TRUE(Form3->Picture7.Visible && Form3->Picture8.Visible);
    EXPECT_EQ(backend.sounds_played, std::vector<int>{14});

    // Its OK lights up with the high-score screen's faces; over the overlay it goes back.
    move(menu_spot::kHelpOk);
    EXPECT_TRUE(same(Form3->Picture8.Picture(), Form4->Picture2[2].Picture()));
    move(menu_spot::kBackground);
    EXPECT_TRUE(same(Form3->Picture8.Picture(), Form4->Picture2[1].Picture()));

    // Buttons beneath cannot be reached.
    click(menu_spot::kStart);
    click(menu_spot::kDifficultyX, menu_spot::kOptionTop[0]);
    EXPECT_FALSE(Form6.loaded() && Form6->shown());
    EXPECT_EQ(schwierigkeit, 2);
    EXPECT_EQ(backend.sounds_played, std::vector<int>{14});

    click(menu_spot::kHelpOk);
    EXPECT_FALSE(Form3->Picture7.Visible || Form3->Picture8.Visible);
    EXPECT_EQ(backend.sounds_played, (std::vector<int>{14, 14}));
}

TEST_F(Menu, CloseButtonEndsTheProgramAtOnceAlsoOverTheHelp) {
    for (bool with_help : {false, true}) {
        SCOPED_TRACE(with_help);
        Form3->Show();
        if (with_help) click(menu_spot::kHelp);
        backend.click(menu_spot::kClose[0], menu_spot::kClose[1]);
        EXPECT_TRUE(ends_program([] { DoEvents(); }));
        EXPECT_EQ(Form3->Picture4.ToolTipText, "Spiel Beenden");
    }
}

TEST_F(Menu, HighscoreSoundsWaitsHalfASecondAndOpensTheListOverTheMenu) {
    const uint32_t before = backend.clock;
    click(menu_spot::kHighscore);
    EXPECT_EQ(backend.sounds_played, std::vector<int>{15});
    EXPECT_GE(backend.clock - before, 500u);
    EXPECT_EQ(rt::desktop().shown(), (std::vector<rt::Form*>{&Form3.get(), &Form4.get()}));
}

TEST_F(Menu, StartAsksForTheNameWithTheMenuLiveAndThenSignalsTheStart) {
    Form1->Picture16[0].Visible = false;
    Form1->Picture16[1].Visible = false;
    backend.click(menu_spot::kStart[0], menu_spot::kStart[1]);
    // While the name is asked for, the menu still takes clicks: "leicht" is chosen.
    backend.click(menu_spot::kDifficultyX, menu_spot::kOptionTop[0]);
    type_name(backend, "ANNA");
    DoEvents();

    EXPECT_EQ(spieler_name, "ANNA");
    EXPECT_EQ(start_signal, kTrue);
    EXPECT_FALSE(Form6->shown());
    EXPECT_TRUE(Form3->shown());  // the waiting start procedure hides it
    EXPECT_EQ(backend.sounds_played, (std::vector<int>{14, 14}));
    EXPECT_EQ(schwierigkeit, 1);
    EXPECT_TRUE(same(Form1->Picture19.Picture(), Form3->Picture2[6].Picture()));
    EXPECT_TRUE(Form1->Picture16[0].Visible && Form1->Picture16[1].Visible);
}
}  // namespace
