#include "engine/procedures.h"
#include "engine/side.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"

namespace {
using namespace feldwert;

bool leaving(int v) { return v >= fall_quelle && v < markiert; }
bool falling_target(int v) { return v > fall_ziel && settled(v - fall_ziel); }

void land_sound(int landed, int below) {
    if (!settled(below)) return;  // landing on an empty or moving cell is silent
    play_sound(landed == reihenstein || landed == kreuzstein ? 5 : 3);
}

// One gravity tick of a board: start new falls, move every falling stone 2 pixels, land those
// that have moved a whole cell, then draw the board.
void fall(spielfeld& board, void (*group_check)(), void (*draw)(int16_t)) {
    const int columns = spalten;
    // Top down, seeing its own writes: of a stack over a gap only the lowest stone starts.
    for (int x = 1; x <= columns; ++x) {
        for (int y = 1; y <= 17; ++y) {
            if (settled(board(x, y)) && board(x, y + 1) == leer) {
                board(x, y + 1) = static_cast<int16_t>(board(x, y) + fall_ziel);
                board(x, y) = fall_quelle;
            }
        }
    }
    for (int x = 1; x <= columns; ++x) {
        for (int y = 1; y <= 17; ++y) {
            // A stone whose target cell turned into a vanishing or effect cell is lost.
            if (board(x, y) >= fall_quelle && board(x, y + 1) > verschwinden) board(x, y) = leer;
            if (!leaving(board(x, y))) continue;
            board(x, y) = static_cast<int16_t>(board(x, y) + 2);
            if (board(x, y) <= fall_quelle + 31) continue;
            board(x, y) = leer;
            // The full-board penalty can turn the target into the first vanish frame (exactly
            // 20000), which the rule above spares. Then there is no stone to land: it is dropped
            // and the cell below stays vanishing, silently and without a group check.
            if (!falling_target(board(x, y + 1))) continue;
            board(x, y + 1) = static_cast<int16_t>(board(x, y + 1) - fall_ziel);
            land_sound(board(x, y + 1), board(x, y + 2));
            // The check may change the board; the scan goes on over what it left.
            group_check();
        }
    }
    draw(1);
}
}  // namespace

void fall_down() { fall(side1().board, spielfeld_pruefen, zeichne_spielfeld); }

void fall_down2() { fall(side2().board, spielfeld_pruefen2, zeichne_spielfeld2); }
