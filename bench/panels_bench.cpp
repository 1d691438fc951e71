// Speed of the panels redrawn during play: the score with place and marker, the clock second,
// and one popup frame at its largest (six points digits and a four-glyph seconds line).
#include <benchmark/benchmark.h>

#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/fresh_start.h"

namespace {
void start_game(rt::TestBackend& backend) {
    fresh_start(backend);
    schwierigkeit = 2;
    spielzeit_wahl = 1;
    spiel_initialisieren();
    for (int p = 1; p <= 20; ++p) hs_punkte[p][2][1] = 10500 - 500 * p;
}
}  // namespace

static void BM_ShowScore(benchmark::State& state) {
    rt::TestBackend backend;
    start_game(backend);
    gesamtpunkte = 4800;
    for (auto _ : state) show_score();
    leave_fresh_start();
}
BENCHMARK(BM_ShowScore)->Unit(benchmark::kMicrosecond);

static void BM_ShowUhr(benchmark::State& state) {
    rt::TestBackend backend;
    start_game(backend);
    for (auto _ : state) {
        restzeit = 605;
        show_uhr();
    }
    leave_fresh_start();
}
BENCHMARK(BM_ShowUhr)->Unit(benchmark::kMicrosecond);

static void BM_ShowPoints(benchmark::State& state) {
    rt::TestBackend backend;
    start_game(backend);
    popup_art = 1;
    popup_sekunden = -45;
    popup_punkte = 123456;
    popup_x = 2;
    popup_y = 12;
    for (auto _ : state) {
        popup_zeit = 10;
        show_points(popup_art, popup_sekunden);
    }
    leave_fresh_start();
}
BENCHMARK(BM_ShowPoints)->Unit(benchmark::kMicrosecond);
