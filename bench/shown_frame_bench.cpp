// Cost of showing a frame of the running game on a 1920 × 1080 display: composing what changed
// and scaling it into the window's pixels, as the real backend does, without the display server.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/game_screen.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/desktop.h"
#include "runtime/scaler.h"
#include "runtime/system.h"
#include "runtime/test_backend.h"
#include "support/fresh_start.h"

namespace {
// Scales what changed into a window-sized block of pixels and counts what it sent.
class ScalingBackend : public rt::TestBackend {
public:
    ScalingBackend() { scaler.fit(800, 600, kWidth, kHeight); }
    void present(const Image& frame, const std::vector<Rect>& changed) override {
        for (const Rect& r : changed) {
            scaler.scale(frame, r, window.data(), kWidth);
            const Rect out = scaler.to_window(r);
            pixels_sent += static_cast<double>(out.w) * out.h;
        }
        ++frames_shown;
    }
    static constexpr int kWidth = 1920, kHeight = 1080;
    rt::Scaler scaler;
    std::vector<uint32_t> window = std::vector<uint32_t>(static_cast<size_t>(kWidth) * kHeight);
    double pixels_sent = 0;
};

void show_game_screen(ScalingBackend& backend) {
    fresh_start(backend);
    schwierigkeit = 2;
    spiel_initialisieren();
    Form1->Show();
    rt::present_now();
}

void report(benchmark::State& state, const ScalingBackend& backend) {
    state.counters["window_px_per_frame"] =
        backend.pixels_sent / static_cast<double>(std::max<int64_t>(1, backend.frames_shown - 1));
}
}  // namespace

// A gravity tick's worth: three cells of the player's board changed, the board redrawn whole
// into its box, as the game draws.
static void BM_ShowFrameFewCellsChanged(benchmark::State& state) {
    ScalingBackend backend;
    show_game_screen(backend);
    Image board = Form1->Picture2.Picture();
    uint32_t colour = rgb(200, 30, 30);
    for (auto _ : state) {
        colour ^= 0x00FFFFFFu;
        for (int cell = 0; cell < 3; ++cell)
            BitBlt(board, 32 * (2 + cell), 32 * (5 + 3 * cell), 32, 32, Image(32, 32, colour), 0, 0, SRCCOPY);
        BitBlt(Form1->Picture2.hDC(), 0, 0, board.width, board.height, board, 0, 0, SRCCOPY);
        Form1->Picture2.Refresh();
        rt::present_now();
    }
    report(state, backend);
    leave_fresh_start();
}
BENCHMARK(BM_ShowFrameFewCellsChanged)->Unit(benchmark::kMicrosecond);

// The whole screen composed again and sent, as after a screen was shown.
static void BM_ShowFrameWholeScreenChanged(benchmark::State& state) {
    ScalingBackend backend;
    show_game_screen(backend);
    for (auto _ : state) {
        rt::desktop().damage({0, 0, 800, 600});
        rt::desktop().expose();
        rt::present_now();
    }
    report(state, backend);
    leave_fresh_start();
}
BENCHMARK(BM_ShowFrameWholeScreenChanged)->Unit(benchmark::kMicrosecond);
