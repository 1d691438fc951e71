// Speed of one group check on a full nine-column board: with nothing to take, and with one group.
#include <benchmark/benchmark.h>

#include "engine/board.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/fresh_start.h"

namespace {
// Rows 1..18 full of stones in a pattern without three alike in a row or a column.
void fill_without_groups(spielfeld& board) {
    for (int x = 1; x <= spalten; ++x)
        for (int y = 1; y <= 18; ++y) board(x, y) = static_cast<int16_t>(1 + (x + 2 * y) % 6);
}

void group_check(benchmark::State& state, bool with_group) {
    rt::TestBackend backend;
    fresh_start(backend);
    schwierigkeit = 2;
    spiel_initialisieren();
    loesche_spielfeld();
    fill_without_groups(spielfeld1);
    if (with_group)
        for (int y = 16; y <= 18; ++y) spielfeld1(5, y) = 7;
    const spielfeld start = spielfeld1;
    Form2->Picture1[1].hDC();  // the picture store exists before timing
    for (auto _ : state) {
        spielfeld1 = start;
        gruppen1 = gruppen2 = 0;
        balken_pos = 416;
        spielfeld_pruefen();
        benchmark::DoNotOptimize(spielfeld1.cells.data());
    }
    leave_fresh_start();
}
}  // namespace

static void BM_GroupCheckFullBoardNoGroup(benchmark::State& state) { group_check(state, false); }
BENCHMARK(BM_GroupCheckFullBoardNoGroup)->Unit(benchmark::kMicrosecond);

static void BM_GroupCheckFullBoardOneGroup(benchmark::State& state) { group_check(state, true); }
BENCHMARK(BM_GroupCheckFullBoardOneGroup)->Unit(benchmark::kMicrosecond);
