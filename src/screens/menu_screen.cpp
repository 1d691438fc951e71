#include "screens/menu_screen.h"

#include <string>

#include "engine/game_screen.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/pictures.h"
#include "runtime/system.h"
#include "screens/highscore_screen.h"
#include "screens/name_entry.h"
#include "screens/procedures.h"

namespace {
Image art(const std::string& name) { return embedded_picture("form3/" + name); }

// A visible button with its invisible face stores from index `first_face` on.
void place_set(rt::ControlArray<rt::PictureBox>& set, const char* name, int first_face, double left, double top,
               double width, double height) {
    for (int i = 0; i < set.size(); ++i) {
        set[i].place(left, top, width, height);
        if (i >= first_face) {
            set[i].SetPicture(art(std::string(name) + "_" + std::to_string(i)));
            set[i].Visible = false;
        }
    }
}

void show_face(rt::ControlArray<rt::PictureBox>& set, int face) { set[0].SetPicture(set[face].Picture()); }

// Puts the normal faces (3..5) on the three option buttons, the chosen one's selected face (6..8).
void show_choice(rt::ControlArray<rt::PictureBox>& set, int chosen) {
    if (chosen < 1 || chosen > 3) return;
    for (int i = 0; i < 3; ++i) set[i].SetPicture(set[i + (i + 1 == chosen ? 6 : 3)].Picture());
}
}  // namespace

MenuScreen::MenuScreen() {
    background = art("background");

    place_set(Picture1, "picture1", 1, 344, 544, 106, 31);
    place_set(Picture5, "picture5", 1, 144, 544, 123, 31);
    place_set(Picture6, "picture6", 1, 544, 544, 106, 31);
    place_set(Picture2, "picture2", 3, 144, 256, 106, 31);
    place_set(Picture3, "picture3", 3, 544, 256, 106, 31);
    Picture2[1].Top = 296;
    Picture2[2].Top = 336;
    Picture3[1].Top = 295;
    Picture3[2].Top = 336;
    Picture4.place(776, 0, 25, 25);
    Picture4.SetPicture(art("picture4"));
    Picture4.ToolTipText = "Spiel Beenden";
    Picture7.place(10, 20, 780, 560);
    Picture7.SetPicture(art("picture7"));
    Picture8.place(662, 544, 123, 31);
    Label2.place(632, 200, 49, 17);
    Label2.Caption = "v1.20";
    Label2.SetForeColor(176, 184, 240);

    // Stacking, lowest first: the help overlay and its OK lie over everything else.
    add(Label2);
    for (auto* set : {&Picture1, &Picture2, &Picture3, &Picture5, &Picture6}) add(*set);
    add(Picture4);
    add(Picture7);
    add(Picture8);

    Picture1.on_click([this](int16_t) { Picture1_Click(); });
    Picture2.on_click([this](int16_t index) { Picture2_Click(index); });
    Picture3.on_click([this](int16_t index) { Picture3_Click(index); });
    Picture4.on_click = [this](int16_t) { Picture4_Click(); };
    Picture5.on_click([this](int16_t) { Picture5_Click(); });
    Picture6.on_click([this](int16_t) { Picture6_Click(); });
    Picture8.on_click = [this](int16_t) { Picture8_Click(); };

    Picture1.on_mouse_move(
        [this](int16_t i, int16_t b, int16_t s, float x, float y) { Picture1_MouseMove(i, b, s, x, y); });
    Picture5.on_mouse_move(
        [this](int16_t i, int16_t b, int16_t s, float x, float y) { Picture5_MouseMove(i, b, s, x, y); });
    Picture6.on_mouse_move(
        [this](int16_t i, int16_t b, int16_t s, float x, float y) { Picture6_MouseMove(i, b, s, x, y); });
    Picture7.on_mouse_move = [this](int16_t, int16_t b, int16_t s, float x, float y) {
        picture7_MouseMove(b, s, x, y);
    };
    Picture8.on_mouse_move = [this](int16_t, int16_t b, int16_t s, float x, float y) {
        picture8_MouseMove(b, s, x, y);
    };
}

void MenuScreen::Form_Load() {
    show_face(Picture1, 1);
    for (int i = 0; i < 3; ++i) {
        Picture2[i].SetPicture(Picture2[i + 3].Picture());
        Picture3[i].SetPicture(Picture3[i + 3].Picture());
    }
    show_face(Picture5, 1);
    show_face(Picture6, 1);
    Picture7.Visible = false;
    Picture8.SetPicture(Form4->Picture2[1].Picture());
    Picture8.Visible = false;
}

void MenuScreen::Form_QueryUnload(int16_t&, int16_t) {}

void MenuScreen::Form_MouseMove(int16_t, int16_t, float, float) {
    show_face(Picture1, 1);
    show_face(Picture5, 1);
    show_face(Picture6, 1);
    Picture8.SetPicture(Form4->Picture2[1].Picture());
}

void MenuScreen::Picture1_MouseMove(int16_t, int16_t, int16_t, float, float) { show_face(Picture1, 2); }
void MenuScreen::Picture5_MouseMove(int16_t, int16_t, int16_t, float, float) { show_face(Picture5, 2); }
void MenuScreen::Picture6_MouseMove(int16_t, int16_t, int16_t, float, float) { show_face(Picture6, 2); }

void MenuScreen::picture7_MouseMove(int16_t, int16_t, float, float) {
    Picture8.SetPicture(Form4->Picture2[1].Picture());
}

void MenuScreen::picture8_MouseMove(int16_t, int16_t, float, float) {
    Picture8.SetPicture(Form4->Picture2[2].Picture());
}

void MenuScreen::Picture1_Click() {
    play_sound(14);
    const int games_before = games_started;
    Form6->Show();
    Form6->name_eingabe();
    // A game that another Start began while this name entry waited has used up this click.
    if (games_started == games_before) start_signal = kTrue;
    Form6->Hide();
    Form1->Picture19.SetPicture(Picture2[schwierigkeit + 5].Picture());
    Form1->Picture16[0].Visible = true;
    Form1->Picture16[1].Visible = true;
}

void MenuScreen::Picture2_Click(int16_t Index) {
    play_sound(14);
    schwierigkeit = static_cast<int16_t>(Index + 1);
    hs_schwierigkeit = static_cast<int16_t>(Index + 1);
    schwierigkeit_anzeigen();
}

void MenuScreen::Picture3_Click(int16_t Index) {
    play_sound(14);
    restzeit = static_cast<int16_t>((Index + 1) * 600);
    spielzeit_wahl = static_cast<int16_t>(Index + 1);
    hs_spielzeit = static_cast<int16_t>(Index + 1);
    spielzeit_anzeigen();
}

void MenuScreen::Picture4_Click() { programm_beenden(); }

void MenuScreen::Picture5_Click() {
    play_sound(15);
    Sleep(500);
    Form4->Show();
    Form4->zeige_highscore(neuer_rang);
}

void MenuScreen::Picture6_Click() {
    play_sound(14);
    hilfe();
}

void MenuScreen::Picture8_Click() {
    Picture7.Visible = false;
    Picture8.Visible = false;
    play_sound(14);
}

void MenuScreen::hilfe() {
    Picture7.Visible = true;
    Picture8.Visible = true;
}

void schwierigkeit_anzeigen() { show_choice(Form3->Picture2, schwierigkeit); }

void spielzeit_anzeigen() {
    if (restzeit % 600 == 0) show_choice(Form3->Picture3, restzeit / 600);
}
