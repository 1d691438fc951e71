#include "screens/highscore_screen.h"

#include <cmath>
#include <string>

#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/pictures.h"
#include "runtime/text.h"
#include "screens/menu_screen.h"
#include "screens/procedures.h"

namespace {
Image art(const std::string& name) { return embedded_picture("form4/" + name); }

// Seconds played as minutes and seconds in the template "0000:00". The file may have been
// edited: a time beyond the template shows its largest value, a negative or unreadable one
// shows zero, and a fraction counts to the nearest second.
std::string play_time_text(const std::string& seconds_text) {
    constexpr double kLongest = 9999 * 60 + 59;
    double seconds = round_half_even(Val(seconds_text));
    if (!(seconds > 0)) seconds = 0;
    if (seconds > kLongest) seconds = kLongest;
    const double minutes = std::floor(seconds / 60);
    std::string text = "0000:00";
    const std::string minutes_text = CStr(minutes), rest_text = CStr(seconds - 60 * minutes);
    Mid(text, 5 - static_cast<int>(minutes_text.size()), minutes_text);
    Mid(text, 8 - static_cast<int>(rest_text.size()), rest_text);
    return text;
}
}  // namespace

HighscoreScreen::HighscoreScreen() {
    background = art("background");

    const double list_left[] = {128, 344, 560};
    for (int i = 0; i < 3; ++i) {
        Picture1[i].place(list_left[i], 552, 106, 31);      // difficulties
        Picture1[i + 3].place(list_left[i], 512, 106, 31);  // play times
    }
    for (int i = 0; i < Picture2.size(); ++i) {
        Picture2[i].place(680, 568, 123, 31);
        if (i > 0) {
            Picture2[i].SetPicture(art("picture2_" + std::to_string(i)));
            Picture2[i].Visible = false;
        }
    }
    const double heading_left[] = {152, 264, 352, 440, 528};
    for (int i = 0; i < Picture3.size(); ++i) {
        Picture3[i].place(heading_left[i], 160, i == 4 ? 82 : 76, 21);
        Picture3[i].SetPicture(art("picture3_" + std::to_string(i)));
    }

    struct Column {
        rt::ControlArray<rt::Label>& labels;
        double left, width;
    };
    const Column columns[] = {
        {Label1, 192, 33}, {Label3, 232, 105}, {Label2, 352, 81}, {Label4, 468, 49}, {Label5, 528, 80},
    };
    for (const Column& column : columns) {
        for (int k = 0; k < column.labels.size(); ++k) {
            column.labels[k].place(column.left, 184 + 16 * k, column.width, 17);
            column.labels[k].font_points = 12;
        }
    }
    // Numbers stand flush right under their headings, names and times flush left.
    for (auto* numbers : {&Label1, &Label3, &Label4}) {
        for (int k = 0; k < numbers->size(); ++k) (*numbers)[k].alignment = rt::Label::Align::Right;
    }

    add(Picture1);
    add(Picture3);
    for (const Column& column : columns) add(column.labels);
    add(Picture2);

    Picture1.on_click([this](int16_t index) { Picture1_Click(index); });
    Picture2.on_click([this](int16_t) { Picture2_Click(); });
    Picture2.on_mouse_move([this](int16_t, int16_t, int16_t, float, float) { Picture2_MouseMove(); });
}

void HighscoreScreen::Form_Load() { Picture2[0].SetPicture(Picture2[1].Picture()); }

void HighscoreScreen::Form_QueryUnload(int16_t&, int16_t) {}

void HighscoreScreen::Form_MouseMove(int16_t, int16_t, float, float) { Picture2[0].SetPicture(Picture2[1].Picture()); }

void HighscoreScreen::Picture2_MouseMove() { Picture2[0].SetPicture(Picture2[2].Picture()); }

void HighscoreScreen::zeige_highscore(int16_t& hi_c) {
    // The list buttons wear the menu's option faces, selected for the list shown.
    for (int i = 1; i <= 3; ++i) {
        Picture1[i - 1].SetPicture(Form3->Picture2[hs_schwierigkeit == i ? i + 5 : i + 2].Picture());
        Picture1[i + 2].SetPicture(Form3->Picture3[hs_spielzeit == i ? i + 5 : i + 2].Picture());
    }

    const int d = hs_schwierigkeit, t = hs_spielzeit;
    const bool games_list = hs_schwierigkeit == schwierigkeit && hs_spielzeit == spielzeit_wahl;
    for (int i = 1; i <= 20; ++i) {
        const int k = i - 1;
        rt::Label* const row[] = {&Label1[k], &Label3[k], &Label2[k], &Label4[k], &Label5[k]};
        for (rt::Label* label : row) {
            if (games_list && i == hi_c) label->SetForeColor(0, 255, 0);
            else label->SetForeColor(255 - 2 * i, 150 + 2 * i, 100 + 8 * i);
        }
        Label1[k].Caption = CStr(i);
        Label2[k].Caption = hs_name[i][d][t];
        Label3[k].Caption = CStr(hs_punkte[i][d][t]);
        Label5[k].Caption = play_time_text(hs_zeit[i][d][t]);
        Label4[k].Caption = hs_level[i][d][t];
    }
}

void HighscoreScreen::Picture1_Click(int16_t Index) {
    if (Index <= 2) hs_schwierigkeit = static_cast<int16_t>(Index + 1);
    else hs_spielzeit = static_cast<int16_t>(Index - 2);
    zeige_highscore(neuer_rang);
    // Copied only after the redraw: the list just chosen shows its mark from the next press on.
    schwierigkeit = hs_schwierigkeit;
    spielzeit_wahl = hs_spielzeit;
    restzeit = static_cast<int16_t>(600 * hs_spielzeit);
}

void HighscoreScreen::Picture2_Click() {
    highscore_speichern();
    Hide();
    schwierigkeit_anzeigen();
    spielzeit_anzeigen();
    // Between two games the next one starts from here and runs inside this handler.
    if (spiel_beendet == kTrue) neues_spiel_starten();
}
