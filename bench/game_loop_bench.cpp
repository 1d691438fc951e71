// Cost of the game loop on the test backend: one pass of a running game, and one simulated
// second (each pass lets a millisecond of fake time go by while it waits for input).
#include <benchmark/benchmark.h>

#include "engine/board.h"
#include "engine/game_loop.h"
#include "engine/game_screen.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"
#include "support/fresh_start.h"

namespace {
void start_running_game(rt::TestBackend& backend) {
    fresh_start(backend);
    schwierigkeit = 2;
    spiel_initialisieren();
    restzeit = 600;
    steinfolge_erzeugen();
    Form1->Show();
    loesche_spielfeld();
    fuelle_reihen(start_reihen);
}
}  // namespace

static void BM_GameLoopPass(benchmark::State& state) {
    rt::TestBackend backend;
    start_running_game(backend);
    StepTimes t = loop_start();
    for (auto _ : state) {
        loop_pass(t);
        benchmark::DoNotOptimize(spielfeld1.cells.data());
    }
    state.counters["sim_ms"] = static_cast<double>(backend.clock) / static_cast<double>(state.iterations());
    leave_fresh_start();
}
BENCHMARK(BM_GameLoopPass);

static void BM_GameLoopSimulatedSecond(benchmark::State& state) {
    rt::TestBackend backend;
    start_running_game(backend);
    StepTimes t = loop_start();
    int64_t passes = 0;
    for (auto _ : state) {
        const uint32_t until = backend.clock + 1000;
        while (backend.clock < until) {
            loop_pass(t);
            ++passes;
        }
    }
    state.counters["passes_per_s"] = static_cast<double>(passes) / static_cast<double>(state.iterations());
    leave_fresh_start();
}
BENCHMARK(BM_GameLoopSimulatedSecond)->Unit(benchmark::kMillisecond);
