#include "engine/game_screen.h"

#include <string>

#include "engine/procedures.h"
#include "frame/picture_store.h"
#include "runtime/pictures.h"

namespace {
const Image& art(const std::string& name) { return embedded_picture("form1/" + name); }
}  // namespace

GameScreen::GameScreen() {
    background = art("background");

    // Stacking order, lowest first: the "Pause" caption lies behind the player's board.
    Picture20.place(150, 285, 106, 31);
    Picture20.SetPicture(art("picture20"));
    add(Picture20);

    Picture1.place(88, 32, 240, 576);
    Picture2.place(64, 32, 248, 544);
    Picture3.place(504, 32, 240, 576);
    Picture4.place(464, 32, 248, 544);
    Picture5.place(8, 504, 288, 32);
    Picture5.SetPicture(art("picture5"));
    Picture6.place(216, 296, 282, 26);
    Picture6.SetPicture(art("picture6"));
    Picture7.place(200, 192, 282, 26);
    Picture7.SetPicture(art("picture7"));
    Picture8.place(424, 495, 290, 34);
    Picture9.place(362, 37, 76, 21);
    Picture9.SetPicture(art("picture9"));
    Picture10.place(270, 0, 262, 32);
    Picture10.SetPicture(art("picture10"));
    Picture11[0].place(8, 496, 32, 96);
    Picture11[1].place(759, 496, 32, 96);
    Picture12.place(348, 58, 104, 30);
    Picture12.SetPicture(art("picture12"));
    Picture13.place(385, 114, 32, 416);
    Picture13.SetPicture(art("picture13"));
    Picture14.place(348, 567, 104, 30);
    Picture15.place(362, 546, 76, 21);
    Picture15.SetPicture(art("picture15"));
    Picture16[0].place(6, 152, 22, 22);
    Picture16[1].place(28, 152, 22, 22);
    Picture17.place(0, 0, 56, 21);
    Picture17.SetPicture(art("picture17"));
    Picture18.place(0, 20, 56, 32);
    Picture18.SetPicture(art("picture18"));
    Picture19.place(694, -1, 106, 31);
    Picture19.SetPicture(art("picture19"));

    // Buffers and drawing sources are never seen.
    Picture1.Visible = false;
    Picture3.Visible = false;
    Picture6.Visible = false;
    Picture7.Visible = false;

    Line1.set(400, 87, 400, 568, rgb(96, 112, 160));
    Line2.set(26, 52, 26, 474, rgb(96, 112, 160));
    Line3.set(0, 474, 56, 474, rgb(96, 112, 160));

    // The lines lie under every box; the panels lie over the boards' top edge.
    for (rt::Control* box : std::initializer_list<rt::Control*>{
             &Line1, &Line2, &Line3, &Picture1, &Picture2, &Picture3, &Picture4, &Picture5, &Picture6,
             &Picture7, &Picture8, &Picture13, &Picture11[0], &Picture11[1], &Picture9, &Picture12,
             &Picture14, &Picture15, &Picture17, &Picture18, &Picture16[0], &Picture16[1], &Picture10,
             &Picture19})
        add(*box);
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
