// Whole games on the test backend: seeded random numbers, the fake clock and a scripted player.
// The boards, score and clock at fixed times are kept as expectations; a change that alters a
// replay must say why. ZANDORIX_UPDATE_REPLAYS=1 writes the expectations anew.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/board.h"
#include "engine/game_loop.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/text.h"
#include "support/game_test.h"

namespace {
struct Replay {
    const char* name;
    int16_t difficulty;
    uint32_t seed;
    int minutes;
};

// The player: one key every 150 to 400 ms, mostly cursor steps and swaps, now and then a
// change of speed, chosen by a generator of its own so the game's random numbers stay the game's.
class ScriptedPlayer {
public:
    explicit ScriptedPlayer(uint32_t seed) : state_(seed * 2654435761u + 1) {}
    void schedule(rt::TestBackend& backend, uint32_t from, uint32_t until) {
        static constexpr int keys[] = {vk::Left,  vk::Right, vk::Up,    vk::Down, vk::Space,  vk::Space,
                                       vk::Space, vk::Left,  vk::Right, vk::Down, vk::PageUp, vk::PageDown};
        for (uint32_t at = from + next(150, 400); at < until; at += next(150, 400)) {
            const int key = keys[next(0, static_cast<int>(std::size(keys)) - 1)];
            backend.key_down(key, at);
            backend.key_up(key, at + 40);
        }
    }

private:
    int next(int low, int high) {
        state_ = state_ * 1103515245u + 12345u;
        return low + static_cast<int>((state_ >> 16) % static_cast<uint32_t>(high - low + 1));
    }
    uint32_t state_;
};

std::string snapshot(uint32_t at) {
    std::ostringstream out;
    out << "t=" << at << " restzeit=" << restzeit << " punkte=" << CStr(gesamtpunkte) << " gruppen=" << gruppen1 << "/"
        << gruppen2 << " fuehrung=" << fuehrung << " cursor=" << pos_x1 << "," << pos_y1 << " " << pos_x2 << ","
        << pos_y2 << "\n";
    for (int y = 1; y <= 18; ++y) {
        for (const spielfeld* board : {&spielfeld1, &spielfeld2}) {
            for (int x = 1; x <= spalten; ++x) out << ' ' << (*board)(x, y);
            out << "  |";
        }
        out << "\n";
    }
    return out.str();
}

class WholeGame : public GameTest, public ::testing::WithParamInterface<Replay> {};

TEST_P(WholeGame, PlaysAsRecorded) {
    const Replay& replay = GetParam();
    backend.seed = replay.seed;
    backend.keep_frames = false;

    // The settings as the start procedure and the menu leave them, then the program's own way in.
    schwierigkeit = replay.difficulty;
    spielzeit_wahl = 1;
    restzeit = 600;
    spielsekunden = -1;
    open_game();

    const uint32_t start = backend.clock;
    const uint32_t end = start + static_cast<uint32_t>(replay.minutes) * 60000u;
    ScriptedPlayer(replay.seed).schedule(backend, start, end);

    std::string record;
    StepTimes t = loop_start();
    uint32_t next_snapshot = start + 30000;
    while (spiel_beendet == kFalse && backend.clock < end) {
        loop_pass(t);
        if (backend.clock >= next_snapshot) {
            record += snapshot(next_snapshot - start);
            next_snapshot += 30000;
        }
    }

    const std::string path = std::string(ZANDORIX_SOURCE_DIR) + "/tests/engine/replays/" + replay.name + ".txt";
    if (std::getenv("ZANDORIX_UPDATE_REPLAYS")) {
        std::ofstream(path) << record;
        GTEST_SKIP() << "wrote " << path;
    }
    std::ifstream expected_file(path);
    ASSERT_TRUE(expected_file) << "no recorded replay at " << path;
    const std::string expected((std::istreambuf_iterator<char>(expected_file)), std::istreambuf_iterator<char>());
    if (record == expected) return;
    // Only a game that went otherwise leaves a file, outside the build folder, to compare by hand.
    const std::string actual_path = ::testing::TempDir() + replay.name + "." + std::to_string(getpid()) + ".actual.txt";
    std::ofstream(actual_path) << record;
    ADD_FAILURE() << "the game went otherwise than recorded; compare " << path << " with " << actual_path;
}

// Test output names a replay rather than printing its bytes.
void PrintTo(const Replay& replay, std::ostream* os) { *os << replay.name; }

INSTANTIATE_TEST_SUITE_P(Replays, WholeGame,
                         ::testing::Values(Replay{"easy_seed_7", 1, 7, 4}, Replay{"normal_seed_42", 2, 42, 4},
                                           Replay{"hard_seed_1999", 3, 1999, 4}),
                         [](const auto& info) { return std::string(info.param.name); });
}  // namespace
