// Speed of one board frame: the cell pass, falling stones, cursor and block copy.
#include <benchmark/benchmark.h>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/fresh_start.h"

// A full nine-column board of resting stones with a few falling and marked ones, redrawn
// with the cursor (flag 1) and without it (flag 0). The blink counter is reset each round so
// the board stays as it is.
static void BM_ZeichneSpielfeldFullBoard(benchmark::State& state) {
    rt::TestBackend backend;
    fresh_start(backend);
    schwierigkeit = 2;
    spiel_initialisieren();
    loesche_spielfeld();
    for (int x = 1; x <= spalten; ++x)
        for (int y = 1; y <= 18; ++y) spielfeld1(x, y) = static_cast<int16_t>((x * 3 + y * 5) % 12 + 1);
    spielfeld1(4, 3) = feldwert::fall_quelle + 12;
    spielfeld1(4, 4) = feldwert::fall_ziel + 6;
    spielfeld1(7, 10) = feldwert::markiert + 2;
    pos_x1 = 4;
    pos_y1 = 12;
    zeichne_spielfeld(1);  // creates the picture store outside the timing
    for (auto _ : state) {
        blink_zaehler1(7, 10) = 10;
        zeichne_spielfeld(static_cast<int16_t>(state.range(0)));
        benchmark::DoNotOptimize(Form1->Picture2.Picture().pixels.data());
    }
    leave_fresh_start();
}
BENCHMARK(BM_ZeichneSpielfeldFullBoard)->ArgName("flag")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
