#include "screens/menu_screen.h"

#include <string>

#include "runtime/pictures.h"
#include "screens/procedures.h"

namespace {
const Image& art(const std::string& name) { return embedded_picture("form3/" + name); }

// A visible button with its invisible face stores from index `first_face` on.
void place_set(rt::ControlArray<rt::PictureBox>& set, const char* name, int first_face, double left,
               double top, double width, double height) {
    for (int i = 0; i < set.size(); ++i) {
        set[i].place(left, top, width, height);
        if (i >= first_face) {
            set[i].SetPicture(art(std::string(name) + "_" + std::to_string(i)));
            set[i].Visible = false;
        }
    }
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
}

// The handlers below are still to come.
void MenuScreen::Form_Load() {}
void MenuScreen::Form_QueryUnload(int16_t&, int16_t) {}
void MenuScreen::Form_MouseMove(int16_t, int16_t, float, float) {}
void MenuScreen::Picture1_Click() {}
void MenuScreen::Picture2_Click(int16_t) {}
void MenuScreen::Picture3_Click(int16_t) {}
void MenuScreen::Picture4_Click() {}
void MenuScreen::Picture5_Click() {}
void MenuScreen::Picture6_Click() {}
void MenuScreen::Picture8_Click() {}
void MenuScreen::hilfe() {}

void schwierigkeit_anzeigen() {}
void spielzeit_anzeigen() {}
