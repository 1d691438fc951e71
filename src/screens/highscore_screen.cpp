#include "screens/highscore_screen.h"

#include <string>

#include "runtime/pictures.h"

namespace {
const Image& art(const std::string& name) { return embedded_picture("form4/" + name); }
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

    add(Picture1);
    add(Picture3);
    for (const Column& column : columns) add(column.labels);
    add(Picture2);

    Picture1.on_click([this](int16_t index) { Picture1_Click(index); });
    Picture2.on_click([this](int16_t) { Picture2_Click(); });
}

// The handlers below are still to come.
void HighscoreScreen::Form_Load() {}
void HighscoreScreen::Form_QueryUnload(int16_t&, int16_t) {}
void HighscoreScreen::Form_MouseMove(int16_t, int16_t, float, float) {}
void HighscoreScreen::zeige_highscore(int16_t&) {}
void HighscoreScreen::Picture1_Click(int16_t) {}
void HighscoreScreen::Picture2_Click() {}
