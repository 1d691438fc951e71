#include <functional>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"
#include "support/tiles.h"

namespace {
// Lets a test look at the boards at every pause of an animation.
class PauseWatcher : public rt::TestBackend {
public:
    std::function<void(uint32_t)> on_sleep;
    void sleep_ms(uint32_t ms) override {
        if (on_sleep) on_sleep(ms);
        TestBackend::sleep_ms(ms);
    }
};

struct Pause {
    uint32_t ms;
    size_t sounds;
    Image player, computer;
};

// Whether the box shows tile at board cell (x, y); the box starts at row 2.
bool shows(const Image& box, int x, int y, const Image& tile) {
    return shows_picture(box, (x - 1) * 32, (y - 2) * 32, tile);
}

// Every opaque pixel of the cursor, drawn at the game start's (1, 18), is on top.
bool cursor_on_top(const Image& box) {
    const Image& image = Form2->Picture6[0].Picture();
    const Image& mask = Form2->Picture6[1].Picture();
    int opaque = 0;
    for (int py = 0; py < 32; ++py)
        for (int px = 0; px < 64; ++px) {
            if (mask.at(px, py) != 0) continue;
            ++opaque;
            if (box.at(px, 16 * 32 + py) != image.at(px, py)) return false;
        }
    return opaque > 0;
}

bool under_cursor(int x, int y) { return y == 18 && (x == 1 || x == 2); }

class StartRowsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        rt::install_backend(&watcher);
    }
    PauseWatcher watcher;
};

TEST_F(StartRowsTest, CellsAppearColumnByColumnFromTheBottomOnBothBoardsInStep) {
    struct Case {
        int16_t difficulty;
        size_t cells;
    };
    for (const Case c : {Case{1, 27}, Case{2, 45}, Case{3, 63}}) {
        SCOPED_TRACE(::testing::Message() << "difficulty " << c.difficulty);
        schwierigkeit = c.difficulty;
        spiel_initialisieren();
        loesche_spielfeld();
        fuelle_reihen(start_reihen);
        watcher.sounds_played.clear();

        std::vector<Pause> pauses;
        watcher.on_sleep = [&](uint32_t ms) {
            pauses.push_back({ms, watcher.sounds_played.size(), Form1->Picture2.Picture(), Form1->Picture4.Picture()});
        };
        startreihen_aufbauen();
        watcher.on_sleep = nullptr;

        EXPECT_EQ(watcher.sounds_played, std::vector<int>(c.cells, 2));
        std::vector<std::pair<int, int>> order;
        for (int x = 1; x <= spalten; ++x)
            for (int y = 18; y >= 19 - start_reihen; --y) order.emplace_back(x, y);
        ASSERT_EQ(order.size(), c.cells);
        ASSERT_EQ(pauses.size(), c.cells);

        const Image& blank = Form2->Picture1[feldwert::leer].Picture();
        for (size_t k = 0; k < c.cells; ++k) {
            SCOPED_TRACE(::testing::Message() << "cell step " << k + 1);
            const Pause& p = pauses[k];
            EXPECT_EQ(p.ms, 75u);
            EXPECT_EQ(p.sounds, k + 1);  // the click comes before the pause
            EXPECT_EQ(p.player.pixels, p.computer.pixels);
            EXPECT_TRUE(cursor_on_top(p.player));
            // This step's cell shows its stone, the next one is still blank.
            const auto [x, y] = order[k];
            if (!under_cursor(x, y)) {
                EXPECT_TRUE(shows(p.player, x, y, Form2->Picture1[spielfeld1(x, y)].Picture()));
            }
            if (k + 1 < c.cells) {
                const auto [nx, ny] = order[k + 1];
                if (!under_cursor(nx, ny)) {
                    EXPECT_TRUE(shows(p.player, nx, ny, blank));
                }
            }
        }
        // Above the start rows both boards stay empty.
        for (const Image* box : {&Form1->Picture2.Picture(), &Form1->Picture4.Picture()})
            for (int x = 1; x <= spalten; ++x)
                for (int y = 2; y <= 18 - start_reihen; ++y) EXPECT_TRUE(shows(*box, x, y, blank)) << x << "," << y;
    }
}
}  // namespace
