// Speed of the computer's choice: one wohin2 call on a full board of nine columns.
#include <benchmark/benchmark.h>

#include "engine/board.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/state.h"
#include "runtime/system.h"
#include "runtime/test_backend.h"
#include "support/fresh_start.h"

namespace {

// Rows 2..18 of both boards full; `colours` colours drawn at random, or the start-row rule
// (no two neighbours alike) when `like_start_rows` is set.
void fill_board_full(int colours, bool like_start_rows) {
    spalten = 9;
    stein_arten = static_cast<int16_t>(colours);
    loesche_spielfeld();
    for (int x = 1; x <= spalten; ++x) {
        for (int y = 18; y >= 2; --y) {
            int16_t c = 0;
            do {
                c = static_cast<int16_t>(static_cast<int>(Rnd() * static_cast<float>(colours)) + 1);
            } while (like_start_rows && (spielfeld2(x - 1, y) == c || spielfeld2(x, y + 1) == c));
            spielfeld2(x, y) = c;
        }
    }
}

void wohin2_on_full_board(benchmark::State& state, bool like_start_rows) {
    rt::TestBackend backend;
    fresh_start(backend);
    fill_board_full(9, like_start_rows);
    taktik_an = 1;
    taktik_chance = 1;
    letztes_ziel_x = letztes_ziel_y = -1000;
    for (auto _ : state) {
        getauscht = kTrue;
        wohin2();
        benchmark::DoNotOptimize(ziel_x);
    }
    leave_fresh_start();
}

// A random board: pairs and patterns everywhere, blocks 1 to 20 usually decide.
void BM_Wohin2FullBoardRandom(benchmark::State& state) { wohin2_on_full_board(state, false); }
// No two neighbours alike: few patterns match, so most blocks scan the whole board.
void BM_Wohin2FullBoardNoPairs(benchmark::State& state) { wohin2_on_full_board(state, true); }

}  // namespace

BENCHMARK(BM_Wohin2FullBoardRandom)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Wohin2FullBoardNoPairs)->Unit(benchmark::kMicrosecond);
