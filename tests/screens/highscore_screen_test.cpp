#include "screens/highscore_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "engine/game_screen.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/desktop.h"
#include "screens/menu_screen.h"
#include "support/game_test.h"
#include "support/menu_player.h"
#include "support/temp_folder.h"

namespace {
uint32_t face_colour(int set, int index) { return rgb(10 * set, index * 20, 7); }

class HighscoreList : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        use_start_settings();
        // Each option face of the menu gets a colour of its own, so a list button shows which one it wears.
        for (int i = 0; i < 9; ++i) {
            Form3->Picture2[i].SetPicture(Image(106, 31, face_colour(2, i)));
            Form3->Picture3[i].SetPicture(Image(106, 31, face_colour(3, i)));
        }
    }

    // The row's five labels: place, points, name, level, time.
    static std::vector<rt::Label*> row(int place) {
        const int k = place - 1;
        return {&Form4->Label1[k], &Form4->Label3[k], &Form4->Label2[k], &Form4->Label4[k], &Form4->Label5[k]};
    }
    static std::vector<std::string> captions(int place) {
        std::vector<std::string> shown;
        for (rt::Label* label : row(place)) shown.push_back(label->Caption);
        return shown;
    }
    // The colour of the row's five labels, or 0 when they disagree.
    static uint32_t row_colour(int place) {
        const uint32_t colour = row(place)[0]->ForeColor();
        for (rt::Label* label : row(place))
            if (label->ForeColor() != colour) return 0;
        return colour;
    }
    // The place whose row is green, 0 for none.
    static int green_row() {
        int green = 0;
        for (int place = 1; place <= 20; ++place)
            if (row_colour(place) == rgb(0, 255, 0)) green = place;
        return green;
    }
    // The menu's option faces (3 to 8) that three buttons of a set wear, -1 for another picture.
    static std::vector<int> faces(rt::ControlArray<rt::PictureBox>& set, int first, int colour_set) {
        std::vector<int> shown(3, -1);
        for (int i = 0; i < 3; ++i)
            for (int f = 3; f <= 8; ++f)
                if (set[first + i].Picture().at(50, 15) == face_colour(colour_set, f)) shown[i] = f;
        return shown;
    }
    void click_list_button(int index) {
        const rt::PictureBox& button = Form4->Picture1[index];
        backend.click(static_cast<int>(button.Left) + 5, static_cast<int>(button.Top) + 5);
        DoEvents();
    }
};

TEST_F(HighscoreList, RowsShowPlacesPointsNamesLevelsAndTheTimeInItsTemplate) {
    struct Case {
        std::string seconds;
        const char* shown;
    };
    const Case cases[] = {
        {"600", "0010:00"},
        {"65", "0001:05"},
        {"1234", "0020:34"},
        {"599999", "9999:59"},               // the longest time the template holds
        {"600000", "9999:59"},               // longer ones, only from an edited file, show the longest
        {std::string(400, '9'), "9999:59"},  // too large even for a double
        {"-65", "0000:00"},
        {"65.4", "0001:05"},
        {"65.5", "0001:06"},  // to the nearest second, a half to the even one
        {"", "0000:00"},
        {"abc", "0000:00"},
    };
    const int d = 3, t = 2, timed = static_cast<int>(std::size(cases));
    hs_schwierigkeit = d;
    hs_spielzeit = t;
    for (int place = 1; place <= 20; ++place) {
        hs_zeit[place][d][t] = place <= timed ? cases[place - 1].seconds : "";
        hs_punkte[place][d][t] = 30000 - 1000 * place;
        hs_name[place][d][t] = "NAME " + std::to_string(place);
        hs_level[place][d][t] = std::to_string(place % 7 + 1);
    }
    hs_name[1][t][d] = "WRONG";  // another list's entries must not leak into the one shown
    int16_t none = 0;
    Form4->zeige_highscore(none);

    for (int place = 1; place <= 20; ++place) {
        const std::string p = std::to_string(place), time = place <= timed ? cases[place - 1].shown : "0000:00";
        EXPECT_EQ(captions(place), (std::vector<std::string>{p, std::to_string(30000 - 1000 * place), "NAME " + p,
                                                             std::to_string(place % 7 + 1), time}))
            << "seconds \"" << hs_zeit[place][d][t].substr(0, 12) << "\"";
    }
}

TEST_F(HighscoreList, OnlyTheMarkedRowOfTheGamesOwnListIsGreen) {
    struct Case {
        const char* name;
        int16_t hi_c;
        int16_t shown_difficulty, shown_time;
        int expected_green;
    };
    const Case cases[] = {
        {"the game's list marks its new entry", 7, 2, 1, 7},
        {"place 1", 1, 2, 1, 1},
        {"place 20", 20, 2, 1, 20},
        {"no place taken", 0, 2, 1, 0},
        {"another difficulty", 7, 3, 1, 0},
        {"another play time", 7, 2, 3, 0},
    };
    for (const Case& c : cases) {
        hs_schwierigkeit = c.shown_difficulty;
        hs_spielzeit = c.shown_time;
        int16_t hi_c = c.hi_c;
        Form4->zeige_highscore(hi_c);
        EXPECT_EQ(green_row(), c.expected_green) << c.name;
        for (int place = 1; place <= 20; ++place) {
            if (place == c.expected_green) continue;
            EXPECT_EQ(row_colour(place), rgb(255 - 2 * place, 150 + 2 * place, std::min(255, 100 + 8 * place)))
                << c.name << ", place " << place;
        }
    }
}

// A list button shows its list, wearing the menu's option faces selected for it, and then makes
// it the next game's settings: only after the redraw, so a list just chosen shows its mark from
// the next press on.
TEST_F(HighscoreList, AListButtonShowsItsListThenMakesItTheNextGamesSettings) {
    struct Step {
        const char* what;
        int button;
        std::vector<double> settings;  // list shown, settings chosen, clock, green row
        std::vector<int> difficulty_faces, time_faces;
    };
    const Step steps[] = {
        {"the game's own list", -1, {2, 1, 2, 1, 600, 4}, {3, 7, 5}, {6, 4, 5}},
        {"schwer", 2, {3, 1, 3, 1, 600, 0}, {3, 4, 8}, {6, 4, 5}},
        {"schwer again", 2, {3, 1, 3, 1, 600, 4}, {3, 4, 8}, {6, 4, 5}},
        {"30 min", 5, {3, 3, 3, 3, 1800, 0}, {3, 4, 8}, {3, 4, 8}},
        {"leicht", 0, {1, 3, 1, 3, 1800, 0}, {6, 4, 5}, {3, 4, 8}},
        {"20 min", 4, {1, 2, 1, 2, 1200, 0}, {6, 4, 5}, {3, 7, 5}},
    };
    neuer_rang = 4;
    Form4->Show();
    Form4->zeige_highscore(neuer_rang);
    for (const Step& s : steps) {
        if (s.button >= 0) click_list_button(s.button);
        EXPECT_EQ(values(hs_schwierigkeit, hs_spielzeit, schwierigkeit, spielzeit_wahl, restzeit, green_row()),
                  s.settings)
            << s.what;
        EXPECT_EQ(faces(Form4->Picture1, 0, 2), s.difficulty_faces) << s.what;
        EXPECT_EQ(faces(Form4->Picture1, 3, 3), s.time_faces) << s.what;
    }
}

TEST_F(HighscoreList, OkLightsUpUnderThePointerOnly) {
    const uint32_t normal = rgb(90, 0, 0), lit = rgb(0, 90, 0);
    Form4->Picture2[1].SetPicture(Image(123, 31, normal));
    Form4->Picture2[2].SetPicture(Image(123, 31, lit));
    Form4->Show();
    for (auto [x, y, colour] : {std::tuple{700, 580, lit}, {400, 100, normal}}) {
        backend.mouse_move(x, y);
        DoEvents();
        EXPECT_EQ(rt::desktop().compose().at(700, 580), colour);
    }
    EXPECT_TRUE(backend.sounds_played.empty());
}

TEST_F(HighscoreList, OkBeforeTheFirstGameSavesHidesShowsTheListsSettingsInTheMenuAndStartsNothing) {
    TempFolder folder;
    backend.folder = folder.path().string();
    highscore_laden();
    hs_name[1][3][3] = "NEU";
    Form3->Show();
    Form4->Show();
    click_list_button(2);  // schwer
    click_list_button(5);  // 30 min
    backend.click(700, 580);
    DoEvents();
    EXPECT_EQ(faces(Form3->Picture2, 0, 2), (std::vector<int>{3, 4, 8}));
    EXPECT_EQ(faces(Form3->Picture3, 0, 3), (std::vector<int>{3, 4, 8}));
    highscore_laden();
    EXPECT_EQ(hs_name[1][3][3], "NEU");
    EXPECT_FALSE(Form4->shown());
    EXPECT_TRUE(Form3->shown());
    EXPECT_FALSE(Form1.loaded());  // no game
}
}  // namespace
