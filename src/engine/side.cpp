#include "engine/side.h"

#include "engine/game_screen.h"
#include "engine/state.h"
#include "frame/state.h"

BoardSide& side1() {
    static BoardSide side{1,     spielfeld1, blink_zaehler1, pos_x1,    pos_y1,   folge_zeiger[1], fuellung1,
                          voll1, gruppen1,   stand1,         schwelle1, zuwachs1, intervall1,      tempo_stufe1};
    return side;
}

BoardSide& side2() {
    static BoardSide side{2,     spielfeld2, blink_zaehler2, pos_x2,    pos_y2,   folge_zeiger[2], fuellung2,
                          voll2, gruppen2,   stand2,         schwelle2, zuwachs2, intervall2,      tempo_stufe2};
    return side;
}

BoardSide& BoardSide::other() const { return number == 1 ? side2() : side1(); }

rt::PictureBox& BoardSide::buffer() const { return number == 1 ? Form1->Picture1 : Form1->Picture3; }

rt::PictureBox& BoardSide::display() const { return number == 1 ? Form1->Picture2 : Form1->Picture4; }

rt::PictureBox& BoardSide::meter() const { return number == 1 ? Form1->Picture5 : Form1->Picture8; }
