#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/side.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"
#include "runtime/text.h"

namespace {
constexpr int kBarWidth = 280;
constexpr int kBarHeight = 24;
constexpr int kBarInset = 4;  // the bar's corner inside the meter box
constexpr int kFirstRow = 2, kLastRow = 18;

// Only a blockstein that rests can vanish: one above an empty or moving cell waits.
bool qualifies(const spielfeld& board, int x, int y) {
    return board(x, y) == feldwert::blockstein && feldwert::settled(board(x, y + 1));
}

template <class Test>
int count_in_play(const spielfeld& board, Test test) {
    int n = 0;
    for (int x = 1; x <= spalten; ++x)
        for (int y = kFirstRow; y <= kLastRow; ++y) n += test(board, x, y) ? 1 : 0;
    return n;
}

// Filled up to the progress, empty up to the threshold, filled beyond it. Past the threshold
// the progress may run beyond the bar; the copy then ends at the source's edge.
void draw_bar(BoardSide& side) {
    const double p = (side.stand * 100 / skala) * kBarWidth / 100;
    const double s = (side.schwelle * 100 / skala) * kBarWidth / 100;
    rt::PictureBox& box = side.meter();
    const Image& empty = Form1->Picture7.Picture();
    const Image& filled = Form1->Picture6.Picture();
    Image& dc = box.hDC();
    BitBlt(dc, kBarInset, kBarInset, kBarWidth, kBarHeight, empty, 0, 0, SRCCOPY);
    BitBlt(dc, kBarInset, kBarInset, to_int32(p), kBarHeight, filled, 0, 0, SRCCOPY);
    BitBlt(dc, to_int32(kBarInset + s), kBarInset, to_int32(kBarWidth - s), kBarHeight, filled, to_int32(s), 0,
           SRCCOPY);
    box.Refresh();
}

void remove_one(BoardSide& side) {
    if (count_in_play(side.board, qualifies) == 0) return;
    // Row by row from the bottom, a few random columns each. When the draws of row 1 miss
    // too, the search starts over at the bottom, so it always ends at a qualifying stone.
    int r = kLastRow, m = 0;
    for (;;) {
        ++m;
        const int x = static_cast<int>(Rnd() * static_cast<float>(spalten)) + 1;
        if (m > 20) {
            r = r > 1 ? r - 1 : kLastRow;
            m = 0;
        }
        if (qualifies(side.board, x, r)) {
            play_sound(4);
            side.board(x, r) = feldwert::verschwinden;
            return;
        }
    }
}

void tick(BoardSide& side, void (*delete_one_of_side)()) {
    const int n =
        count_in_play(side.board, [](const spielfeld& b, int x, int y) { return b(x, y) == feldwert::blockstein; });
    side.zuwachs = side.zuwachs + zuwachs_beschl;
    side.schwelle = side.schwelle + side.zuwachs;
    if (side.schwelle > skala) side.schwelle = skala;
    const float anteil = static_cast<float>(n * 100) / static_cast<float>(spalten * 17);
    side.stand = side.stand + anteil / 4;
    draw_bar(side);
    if (side.stand > side.schwelle) {
        side.stand = side.stand - side.schwelle;
        delete_one_of_side();
    }
}
}  // namespace

void delete_one() { remove_one(side1()); }

void delete_one2() { remove_one(side2()); }

void counting() { tick(side1(), delete_one); }

void counting2() { tick(side2(), delete_one2); }

void draw_meters() {
    draw_bar(side1());
    draw_bar(side2());
}
