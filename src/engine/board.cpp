#include "engine/board.h"

#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/state.h"
#include "runtime/system.h"

void loesche_spielfeld() {
    for (int x = 1; x <= spalten; ++x)
        for (int y = 1; y <= 18; ++y) {
            spielfeld1(x, y) = spielfeld2(x, y) = feldwert::leer;
            blink_zaehler1(x, y) = blink_zaehler2(x, y) = 10;
        }
    build_walls();
}

void build_walls() {
    for (int x = 1; x <= spalten; ++x)
        for (int y = 19; y <= 20; ++y) spielfeld1(x, y) = spielfeld2(x, y) = feldwert::wand;
    for (int y = 1; y <= 20; ++y) {
        spielfeld1(0, y) = spielfeld2(0, y) = feldwert::wand;
        spielfeld1(spalten + 1, y) = spielfeld2(spalten + 1, y) = feldwert::wand;
    }
}

namespace {
int16_t random_below(int n) { return static_cast<int16_t>(static_cast<int>(Rnd() * static_cast<float>(n))); }

// Both boards get the same blockers: count of them, r rows up from the bottom at most.
void place_start_blockers(int count, int rows) {
    for (int i = 0; i < count; ++i) {
        const int x = random_below(spalten) + 1;
        const int r = random_below(rows);
        spielfeld1(x, 18 - r) = spielfeld2(x, 18 - r) = feldwert::blockstein;
    }
}
}  // namespace

void fuelle_reihen(int16_t reihe) {
    for (int x = 1; x <= spalten; ++x) {
        for (int y = 18; y >= 19 - reihe; --y) {
            // No two neighbouring start stones share a colour.
            int16_t c = 0;
            do {
                c = static_cast<int16_t>(random_below(stein_arten) + 1);
            } while (spielfeld1(x - 1, y) == c || spielfeld1(x + 1, y) == c || spielfeld1(x, y - 1) == c ||
                     spielfeld1(x, y + 1) == c);
            spielfeld1(x, y) = spielfeld2(x, y) = c;
        }
    }
    if (schwierigkeit == 2) place_start_blockers(5, 5);
    if (schwierigkeit == 3) place_start_blockers(10, 7);
    neuer_stein1(0);
    neuer_stein2(0);
}
