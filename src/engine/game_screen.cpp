#include "engine/game_screen.h"

#include <string>

#include "engine/procedures.h"
#include "frame/picture_store.h"
#include "runtime/pictures.h"

namespace {
Image art(const std::string& name) { return embedded_picture("form1/" + name); }
}  // namespace

GameScreen::GameScreen() {
    background = art("background");

    struct Box {
        rt::PictureBox& box;
        double left, top, width, height;
        const char* picture;  // its design picture, if it has one
        bool visible;
    };
    // In stacking order, lowest first: the "Pause" caption lies behind the player's board, and
    // the panels lie over the boards' top edge. Buffers and drawing sources are never seen.
    // clang-format off
    const Box boxes[] = {
        {Picture20, 150, 285, 106, 31, "picture20", true},
        {Picture1, 88, 32, 240, 576, nullptr, false},
        {Picture2, 64, 32, 248, 544, nullptr, true},
        {Picture3, 504, 32, 240, 576, nullptr, false},
        {Picture4, 464, 32, 248, 544, nullptr, true},
        {Picture5, 8, 504, 288, 32, "picture5", true},
        {Picture6, 216, 296, 282, 26, "picture6", false},
        {Picture7, 200, 192, 282, 26, "picture7", false},
        {Picture8, 424, 495, 290, 34, nullptr, true},
        {Picture13, 385, 114, 32, 416, "picture13", true},
        {Picture11[0], 8, 496, 32, 96, nullptr, true},
        {Picture11[1], 759, 496, 32, 96, nullptr, true},
        {Picture9, 362, 37, 76, 21, "picture9", true},
        {Picture12, 348, 58, 104, 30, "picture12", true},
        {Picture14, 348, 567, 104, 30, nullptr, true},
        {Picture15, 362, 546, 76, 21, "picture15", true},
        {Picture17, 0, 0, 56, 21, "picture17", true},
        {Picture18, 0, 20, 56, 32, "picture18", true},
        {Picture16[0], 6, 152, 22, 22, nullptr, true},
        {Picture16[1], 28, 152, 22, 22, nullptr, true},
        {Picture10, 270, 0, 262, 32, "picture10", true},
        {Picture19, 694, -1, 106, 31, "picture19", true},
    };
    // clang-format on

    // The lines lie under every box.
    const uint32_t line_colour = rgb(96, 112, 160);
    Line1.set(400, 87, 400, 568, line_colour);
    Line2.set(26, 52, 26, 474, line_colour);
    Line3.set(0, 474, 56, 474, line_colour);
    for (rt::Line* line : {&Line1, &Line2, &Line3}) add(*line);

    for (const Box& b : boxes) {
        b.box.place(b.left, b.top, b.width, b.height);
        if (b.picture) b.box.SetPicture(art(b.picture));
        b.box.Visible = b.visible;
        add(b.box);
    }
}

void GameScreen::Form_Load() {
    Picture14.SetPicture(Form2->Picture14.Picture());
    Picture8.SetPicture(Picture5.Picture());
    show_score();
    show_speed();
    show_speed2();
    show_level();
}

void GameScreen::Form_QueryUnload(int16_t&, int16_t) {}
