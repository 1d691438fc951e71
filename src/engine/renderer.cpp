#include <algorithm>
#include <cstring>

#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/side.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/state.h"

namespace {
constexpr int kCell = 32;
constexpr int kLastRow = 18;
constexpr int kShownHeight = 17 * kCell;  // rows 2..18

using namespace feldwert;

bool in(int v, int low, int high) { return v >= low && v <= high; }

// The tile each cell of the buffer gets in this frame; only the last one set for a cell shows,
// since every tile covers its cell whole. A cell without one keeps what the buffer held.
using CellTiles = const Image * [spielfeld::kColumns][spielfeld::kRows];

// What each board's buffer holds, cell by cell: the tile draw_tiles put there last, or none
// where something else drew over it since. Most cells keep their tile from frame to frame,
// and a tile already there need not be copied again. Likewise only the cells written since
// the last frame can differ from the visible box, as long as nobody else drew into that.
struct TilesHeld {
    const Image* cells[spielfeld::kColumns][spielfeld::kRows] = {};
    bool written[spielfeld::kColumns][spielfeld::kRows] = {};  // since the last copy to the box
    uint64_t generation = 0;                                   // the buffer's, when these notes were last right
    uint64_t shown_generation = 0;                             // the visible box's, after the last copy
    int width = 0, height = 0;

    void forget() {
        std::fill(&cells[0][0], &cells[0][0] + sizeof cells / sizeof cells[0][0], nullptr);
        std::fill(&written[0][0], &written[0][0] + sizeof written / sizeof written[0][0], true);
    }
    // Forgets the cells that the w × h pixels at (px, py) of the buffer reach into.
    void forget(int px, int py, int w, int h) {
        const int first_x = std::max(1, px / kCell + 1),
                  last_x = std::min(spielfeld::kColumns - 1, (px + w - 1) / kCell + 1);
        const int first_y = std::max(1, py / kCell + 1),
                  last_y = std::min(spielfeld::kRows - 1, (py + h - 1) / kCell + 1);
        for (int x = first_x; x <= last_x; ++x)
            for (int y = first_y; y <= last_y; ++y) {
                cells[x][y] = nullptr;
                written[x][y] = true;
            }
    }
};
TilesHeld tiles_held[2];

// Copies a tile with SRCCOPY to cell (x, y), moved down by offset pixels.
void tile(Image& dst, int x, int y, const rt::PictureBox& source, int offset = 0) {
    BitBlt(dst, kCell * (x - 1), kCell * (y - 1) + offset, kCell, kCell, source.Picture(), 0, 0, SRCCOPY);
}

// Puts the cells' tiles into the buffer. This is most of a frame's work: going along the
// buffer's pixel rows, with fixed-width copies, writes memory in order and keeps each copy to
// a few vector moves.
void draw_tiles(Image& buf, const CellTiles& tiles, TilesHeld& held) {
    bool fits = spalten * kCell <= buf.width && kLastRow * kCell <= buf.height;
    for (int x = 1; x <= spalten && fits; ++x)
        for (int y = 1; y <= kLastRow; ++y)
            fits = fits && (!tiles[x][y] || (tiles[x][y]->width >= kCell && tiles[x][y]->height >= kCell));
    if (!fits) {
        held.forget();
        for (int x = 1; x <= spalten; ++x)
            for (int y = 1; y <= kLastRow; ++y)
                if (tiles[x][y])
                    BitBlt(buf, kCell * (x - 1), kCell * (y - 1), kCell, kCell, *tiles[x][y], 0, 0, SRCCOPY);
        return;
    }
    for (int y = 1; y <= kLastRow; ++y) {
        const Image* copy[spielfeld::kColumns] = {};
        bool any = false;
        for (int x = 1; x <= spalten; ++x) {
            if (tiles[x][y] && tiles[x][y] != held.cells[x][y]) {
                copy[x] = held.cells[x][y] = tiles[x][y];
                held.written[x][y] = true;
            }
            any = any || copy[x];
        }
        if (!any) continue;
        for (int row = 0; row < kCell; ++row) {
            uint32_t* d = &buf.pixels[static_cast<size_t>(kCell * (y - 1) + row) * buf.width];
            for (int x = 1; x <= spalten; ++x, d += kCell)
                if (const Image* t = copy[x])
                    std::memcpy(d, &t->pixels[static_cast<size_t>(row) * t->width], kCell * sizeof(uint32_t));
        }
    }
}

// Hands a row effect on to column n in row y. The rules run in this order, each on the board
// as the ones before left it; a neighbour none of them takes stops the effect on that side.
void pass_effect_sideways(spielfeld& b, int n, int y, int16_t effect) {
    if (in(b(n, y + 1), 0, 99) && b(n, y) < 100) b(n, y) = effect;
    // A stone falling out of (n, y), out of (n, y + 1) or into (n, y): the effect takes its
    // place and its target is freed.
    if (in(b(n, y + 1), 100, 1000)) {
        b(n, y) = effect;
        b(n, y + 1) = leer;
    }
    if (in(b(n, y), 100, 1000)) {
        b(n, y - 1) = effect;
        b(n, y) = leer;
    }
    if (in(b(n, y + 2), 100, 1000)) {
        b(n, y + 1) = effect;
        b(n, y + 2) = leer;
    }
    if (b(n, y) >= markiert) b(n, y) = effect;
}

// One frame of an effect cell at (x, y); on its last frame it becomes a blockstein and hands
// the effect on. Codes handed right or down are visited later in this pass and show their
// first frame at once; those handed left or up wait for the next call.
void effect_step(BoardSide& side, const PictureStore& store, CellTiles& tiles, int x, int y, int v) {
    spielfeld& b = side.board;
    const int kind = (v - effekt_reihe) / 10;  // 0 row, 1 left, 2 right, 3 up, 4 down, 5 cross
    const int frame = (v - effekt_reihe) % 10;
    tiles[x][y] = &store.Picture8[frame].Picture();
    b(x, y) = static_cast<int16_t>(v + 1);
    if (frame + 1 < 3) return;

    b(x, y) = blockstein;
    const bool left = x > 1, right = x < spalten;
    const bool up = y > 1, down = y < kLastRow;
    switch (kind) {
        case 0:
            if (right) pass_effect_sideways(b, x + 1, y, effekt_rechts);
            if (left) pass_effect_sideways(b, x - 1, y, effekt_links);
            break;
        case 1:
            if (left) pass_effect_sideways(b, x - 1, y, effekt_links);
            break;
        case 2:
            if (right) pass_effect_sideways(b, x + 1, y, effekt_rechts);
            break;
        case 3:
            if (up) b(x, y - 1) = effekt_oben;
            break;
        case 4:
            if (down) b(x, y + 1) = effekt_unten;
            break;
        case 5:
            if (up) b(x, y - 1) = effekt_oben;
            if (down) b(x, y + 1) = effekt_unten;
            if (left) pass_effect_sideways(b, x - 1, y, effekt_links);
            if (right) pass_effect_sideways(b, x + 1, y, effekt_rechts);
            break;
        default: break;
    }
}

// Draws one board into its buffer, advancing every animated cell by one frame, and shows
// rows 2..18 in the visible box in one block.
void draw_board(BoardSide& side, int16_t flag) {
    const PictureStore& store = Form2.get();
    TilesHeld& held = tiles_held[side.number == 1 ? 0 : 1];
    rt::PictureBox& buffer = side.buffer();
    const bool untouched = buffer.generation() == held.generation;  // nobody else drew there since
    Image& buf = buffer.hDC();
    if (!untouched || buf.width != held.width || buf.height != held.height) held.forget();
    spielfeld& b = side.board;
    spielfeld& blink = side.blink;
    CellTiles tiles;

    for (int x = 1; x <= spalten; ++x) {
        for (int y = 1; y <= kLastRow; ++y) {
            // The animation step follows the code the cell holds when the pass reaches it.
            int v = b(x, y);
            tiles[x][y] = nullptr;
            if (in(v, markiert + 1, verschwinden - 1)) {
                const int c = v - markiert;
                int16_t& k = blink(x, y);
                --k;
                tiles[x][y] = &((k & 1) ? store.Picture1[c] : store.Picture4[c]).Picture();
                if (k <= 0) {  // a counter that was never set cannot blink forever
                    k = 10;
                    b(x, y) = leer;
                }
            } else if (in(v, verschwinden, effekt_reihe - 1)) {
                tiles[x][y] = &store.Picture7[v - verschwinden].Picture();
                if (++b(x, y) >= verschwinden + 4) b(x, y) = leer;
            } else if (in(v, effekt_reihe, effekt_kreuz + 9)) {
                effect_step(side, store, tiles, x, y, v);
            }

            // Moving and animated codes have no tile of their own: falling stones are drawn
            // below, and a cell whose animation just ended shows empty. Codes 13..99 never
            // stand in play; counting them as empty keeps every lookup within the tiles.
            if (v > kreuzstein) v = leer;
            if (b(x, y) < markiert) tiles[x][y] = &store.Picture1[v].Picture();
        }
    }

    draw_tiles(buf, tiles, held);

    // Falling stones, at their offset from the cell they leave. A stone whose target an effect
    // or a vanishing cell has taken over is not drawn: its colour is gone with the target and
    // gravity removes it at its next tick.
    for (int x = 1; x <= spalten; ++x) {
        for (int y = 1; y <= kLastRow; ++y) {
            const int v = b(x, y);
            if (!in(v, fall_quelle, markiert - 1)) continue;
            const int target = b(x, y + 1);
            if (in(target, fall_ziel + 1, fall_ziel + kreuzstein)) {
                tile(buf, x, y, store.Picture1[target - fall_ziel], v - fall_quelle);
                held.forget(kCell * (x - 1), kCell * (y - 1) + v - fall_quelle, kCell, kCell);
            }
        }
    }

    if (flag == 1) {
        const int cx = kCell * (side.pos_x - 1), cy = kCell * (side.pos_y - 1);
        BitBlt(buf, cx, cy, 2 * kCell, kCell, store.Picture6[1].Picture(), 0, 0, SRCAND);
        BitBlt(buf, cx, cy, 2 * kCell, kCell, store.Picture6[0].Picture(), 0, 0, SRCINVERT);
        held.forget(cx, cy, 2 * kCell, kCell);
    }

    if (side.number == 1 && popup_zeit >= 0) {
        show_points(popup_art, popup_sekunden);
        held.forget();  // the points float anywhere over the board
    }
    held.generation = buffer.generation();
    held.width = buf.width;
    held.height = buf.height;

    // Most cells look as they did: only those that differ are written and composed again, and
    // only those written since the last frame are compared.
    rt::PictureBox& shown = side.display();
    if (shown.generation() != held.shown_generation) {
        shown.copy_changes(0, 0, spielfeld_breite, kShownHeight, buf, 0, kCell);
    } else {
        for (int y = 2; y <= kLastRow; ++y) {
            for (int x = 1; x <= spalten;) {
                if (!held.written[x][y]) {
                    ++x;
                    continue;
                }
                const int first = x;
                while (x <= spalten && held.written[x][y]) ++x;
                const int left = kCell * (first - 1);
                shown.copy_changes(left, kCell * (y - 2), std::min(kCell * (x - first), spielfeld_breite - left), kCell,
                                   buf, left, kCell * (y - 1));
            }
        }
    }
    std::fill(&held.written[0][0], &held.written[0][0] + sizeof held.written / sizeof held.written[0][0], false);
    held.shown_generation = shown.generation();
}
}  // namespace

void zeichne_spielfeld(int16_t flag) { draw_board(side1(), flag); }

void zeichne_spielfeld2(int16_t flag) { draw_board(side2(), flag); }
