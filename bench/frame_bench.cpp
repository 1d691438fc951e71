// Speed of the runtime's drawing: one tile blit and one whole composed frame.
#include <benchmark/benchmark.h>

#include "engine/game_screen.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/desktop.h"
#include "runtime/system.h"
#include "support/fresh_start.h"

static void BM_BlitTile32(benchmark::State& state) {
    Image board(288, 576), tile(32, 32, rgb(200, 40, 40));
    int x = 0;
    for (auto _ : state) {
        BitBlt(board, x, 64, 32, 32, tile, 0, 0, SRCCOPY);
        x = (x + 32) % 288;
        benchmark::DoNotOptimize(board.pixels.data());
    }
}
BENCHMARK(BM_BlitTile32);

static void BM_BlitMaskedSprite64x32(benchmark::State& state) {
    Image board(288, 576, rgb(10, 10, 10)), image(64, 32, rgb(255, 255, 255)), mask(64, 32);
    for (auto _ : state) {
        BitBlt(board, 32, 64, 64, 32, mask, 0, 0, SRCAND);
        BitBlt(board, 32, 64, 64, 32, image, 0, 0, SRCINVERT);
        benchmark::DoNotOptimize(board.pixels.data());
    }
}
BENCHMARK(BM_BlitMaskedSprite64x32);

static void BM_ComposeAndPresentGameScreen(benchmark::State& state) {
    rt::TestBackend backend;
    fresh_start(backend);
    schwierigkeit = 2;
    spiel_initialisieren();
    Form1->Show();
    for (auto _ : state) {
        rt::mark_dirty();
        rt::present_now();
        benchmark::DoNotOptimize(backend.frame.pixels.data());
    }
    leave_fresh_start();
}
BENCHMARK(BM_ComposeAndPresentGameScreen)->Unit(benchmark::kMicrosecond);
