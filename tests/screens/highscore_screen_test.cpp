#include "screens/highscore_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "engine/game_screen.h"
#include "frame/procedures.h"
#include "frame/state.h"
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

    static rt::Label* row(int place, int column) {
        const int k = place - 1;
        rt::Label* const labels[] = {&Form4->Label1[k], &Form4->Label3[k], &Form4->Label2[k], &Form4->Label4[k],
                                     &Form4->Label5[k]};
        return labels[column];
    }
    // The colour of the row's five labels, or 0 when they disagree.
    static uint32_t row_colour(int place) {
        const uint32_t colour = row(place, 0)->ForeColor();
        for (int column = 1; column < 5; ++column) {
            if (row(place, column)->ForeColor() != colour) return 0;
        }
        return colour;
    }
    // The place whose row is green, 0 for none.
    static int green_row() {
        int green = 0;
        for (int place = 1; place <= 20; ++place) {
            if (row_colour(place) == rgb(0, 255, 0)) green = place;
        }
        return green;
    }
    // After a list button: the list shown, the next game's settings copied from it, the green row.
    static void expect_list_and_settings(int16_t difficulty, int16_t time, int green) {
        EXPECT_EQ(hs_schwierigkeit, difficulty);
        EXPECT_EQ(hs_spielzeit, time);
        EXPECT_EQ(schwierigkeit, difficulty);
        EXPECT_EQ(spielzeit_wahl, time);
        EXPECT_EQ(restzeit, 600 * time);
        EXPECT_EQ(green_row(), green);
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
        {"0", "0000:00"},
        {"59", "0000:59"},
        {"599999", "9999:59"},  // the longest time the template holds
        {"600000", "9999:59"},  // longer ones, only from an edited file, show the longest
        {"99999999999", "9999:59"},
        {std::string(400, '9'), "9999:59"},  // too large even for a double
        {"-65", "0000:00"},
        {"65.4", "0001:05"},
        {"65.5", "0001:06"},  // to the nearest second, a half to the even one
        {"", "0000:00"},
        {"abc", "0000:00"},
    };
    const int d = 3, t = 2;
    hs_schwierigkeit = d;
    hs_spielzeit = t;
    int place = 1;
    for (const Case& c : cases) {
        hs_zeit[place][d][t] = c.seconds;
        hs_punkte[place][d][t] = 30000 - 1000 * place;
        hs_name[place][d][t] = "NAME " + std::to_string(place);
        hs_level[place][d][t] = std::to_string(place % 7 + 1);
        ++place;
    }
    hs_name[20][d][t] = "LAST";
    hs_punkte[20][d][t] = 2500;
    // Another list's entries must not leak into the one shown.
    hs_name[1][t][d] = "WRONG";
    int16_t none = 0;
    Form4->zeige_highscore(none);

    for (int p = 1; p < place; ++p) {
        const Case& c = cases[p - 1];
        SCOPED_TRACE("seconds \"" + c.seconds.substr(0, 12) + "\"");
        EXPECT_EQ(row(p, 4)->Caption.get(), c.shown);
        EXPECT_EQ(row(p, 0)->Caption.get(), std::to_string(p));
        EXPECT_EQ(row(p, 1)->Caption.get(), std::to_string(30000 - 1000 * p));
        EXPECT_EQ(row(p, 2)->Caption.get(), "NAME " + std::to_string(p));
        EXPECT_EQ(row(p, 3)->Caption.get(), std::to_string(p % 7 + 1));
    }
    EXPECT_EQ(row(20, 0)->Caption.get(), "20");
    EXPECT_EQ(row(20, 1)->Caption.get(), "2500");
    EXPECT_EQ(row(20, 2)->Caption.get(), "LAST");
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
    EXPECT_EQ(row_colour(1), rgb(253, 152, 108));
    EXPECT_EQ(row_colour(19), rgb(217, 188, 252));
    EXPECT_EQ(row_colour(20), rgb(215, 190, 255));
}

TEST_F(HighscoreList, ListButtonsWearTheMenusOptionFacesSelectedForTheListShown) {
    struct Case {
        int16_t difficulty, time;
    };
    for (const Case& c : {Case{1, 1}, Case{2, 3}, Case{3, 2}}) {
        hs_schwierigkeit = c.difficulty;
        hs_spielzeit = c.time;
        int16_t none = 0;
        Form4->zeige_highscore(none);
        for (int option = 1; option <= 3; ++option) {
            const int difficulty_face = option == c.difficulty ? option + 5 : option + 2;
            const int time_face = option == c.time ? option + 5 : option + 2;
            EXPECT_EQ(Form4->Picture1[option - 1].Picture().at(50, 15), face_colour(2, difficulty_face))
                << "difficulty " << option;
            EXPECT_EQ(Form4->Picture1[option + 2].Picture().at(50, 15), face_colour(3, time_face))
                << "play time " << option;
        }
    }
}

TEST_F(HighscoreList, AListButtonShowsItsListThenMakesItTheNextGamesSettings) {
    neuer_rang = 4;
    Form4->Show();
    Form4->zeige_highscore(neuer_rang);
    EXPECT_EQ(green_row(), 4);

    // Another difficulty: its list shows unmarked, since the settings follow only after the redraw.
    click_list_button(2);
    expect_list_and_settings(3, 1, 0);
    EXPECT_EQ(Form4->Picture1[2].Picture().at(50, 15), face_colour(2, 8));

    // The same button again: now the list is the game's, and the row at the new entry's place is green.
    click_list_button(2);
    expect_list_and_settings(3, 1, 4);

    // "30 min": the play time follows, the difficulty stays.
    click_list_button(5);
    expect_list_and_settings(3, 3, 0);
    EXPECT_EQ(Form4->Picture1[5].Picture().at(50, 15), face_colour(3, 8));
    EXPECT_EQ(Form4->Picture1[3].Picture().at(50, 15), face_colour(3, 3));
}

TEST_F(HighscoreList, OkLightsUpUnderThePointerOnly) {
    const uint32_t normal = rgb(90, 0, 0), lit = rgb(0, 90, 0);
    Form4->Picture2[1].SetPicture(Image(123, 31, normal));
    Form4->Picture2[2].SetPicture(Image(123, 31, lit));
    const rt::PictureBox& ok = Form4->Picture2[0];
    Form4->Show();
    backend.mouse_move(700, 580);
    DoEvents();
    EXPECT_EQ(ok.Picture().at(60, 15), lit);
    backend.mouse_move(400, 100);
    DoEvents();
    EXPECT_EQ(ok.Picture().at(60, 15), normal);
    EXPECT_TRUE(backend.sounds_played.empty());
}

TEST_F(HighscoreList, OkBeforeTheFirstGameSavesHidesShowsTheListsSettingsInTheMenuAndStartsNothing) {
    struct Case {
        const char* name;
        bool save_blocked;
    };
    for (const Case& c : {Case{"a save that works", false}, Case{"a save that fails", true}}) {
        TempFolder folder;
        backend.folder = folder.path().string();
        const std::string file = folder.file("highscore.dat");
        write_bytes(file, "an older file\r\n");
        // The damaged file cannot be kept aside: the save cannot happen.
        if (c.save_blocked) std::filesystem::create_directories(folder.path() / "highscore.dat.damaged" / "x");
        highscore_laden();
        hs_name[1][2][1] = "NEU";
        Form3->Show();
        Form4->Show();
        int16_t none = 0;
        Form4->zeige_highscore(none);
        click_list_button(2);  // schwer
        click_list_button(5);  // 30 min

        backend.click(700, 580);
        DoEvents();
        // The menu's options show what the list buttons chose.
        for (int option = 0; option < 3; ++option) {
            EXPECT_EQ(Form3->Picture2[option].Picture().at(50, 15), face_colour(2, option == 2 ? 8 : option + 3))
                << c.name << ", difficulty " << option + 1;
            EXPECT_EQ(Form3->Picture3[option].Picture().at(50, 15), face_colour(3, option == 2 ? 8 : option + 3))
                << c.name << ", play time " << option + 1;
        }
        const std::string saved = read_bytes(file);
        if (c.save_blocked) {
            EXPECT_EQ(saved, "an older file\r\n") << c.name;
        } else {
            EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 180) << c.name;
            highscore_laden();
            EXPECT_EQ(hs_name[1][2][1], "NEU") << c.name;
        }
        EXPECT_FALSE(Form4->shown()) << c.name;
        EXPECT_TRUE(Form3->shown()) << c.name;
        EXPECT_FALSE(Form1.loaded()) << c.name;  // no game
        Form3->Hide();
    }
}
}  // namespace
