#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/side.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"

namespace {
constexpr int kCell = 32;

void draw_cursor(const BoardSide& side) {
    rt::ControlArray<rt::PictureBox>& cursor = Form2->Picture6;
    Image& box = side.display().hDC();
    const int x = (side.pos_x - 1) * kCell, y = (side.pos_y - 2) * kCell;
    BitBlt(box, x, y, 2 * kCell, kCell, cursor[1].Picture(), 0, 0, SRCAND);
    BitBlt(box, x, y, 2 * kCell, kCell, cursor[0].Picture(), 0, 0, SRCINVERT);
}
}  // namespace

void startreihen_aufbauen() {
    show_speed();
    show_speed2();
    BoardSide* const sides[] = {&side1(), &side2()};

    // Blank both boards; the 18th row lies below the box and is cut off.
    const Image& empty = Form2->Picture1[feldwert::leer].Picture();
    for (int x = 1; x <= spalten; ++x)
        for (int y = 1; y <= 18; ++y)
            for (BoardSide* side : sides)
                BitBlt(side->display().hDC(), (x - 1) * kCell, (y - 1) * kCell, kCell, kCell, empty, 0, 0, SRCCOPY);
    Form1->Refresh();

    // Column by column from the left, each from the bottom row up; both boards show the
    // player's cells, which the start rows made alike. The cursors go on top again after
    // every cell, as the cells are drawn over them.
    for (int x = 1; x <= spalten; ++x) {
        for (int y = 18; y >= 19 - start_reihen; --y) {
            const Image& tile = Form2->Picture1[spielfeld1(x, y)].Picture();
            for (BoardSide* side : sides)
                BitBlt(side->display().hDC(), (x - 1) * kCell, (y - 2) * kCell, kCell, kCell, tile, 0, 0, SRCCOPY);
            for (BoardSide* side : sides) draw_cursor(*side);
            play_sound(2);
            Sleep(75);
            for (BoardSide* side : sides) side->display().Refresh();
        }
    }
}
