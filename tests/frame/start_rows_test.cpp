#include <algorithm>
#include <functional>
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

// One cell a step with a click and a pause, each column from the bottom up, both boards alike,
// the cursor on top; the cell above the new one is still blank.
TEST_F(StartRowsTest, CellsAppearColumnByColumnFromTheBottomOnBothBoardsInStep) {
    new_game(2);
    fuelle_reihen(start_reihen);
    // The last game's boards still show: the animation blanks both boxes first.
    for (rt::PictureBox* box : {&Form1->Picture2, &Form1->Picture4})
        std::ranges::fill(box->hDC().pixels, rgb(200, 0, 0));
    std::vector<Pause> pauses;
    watcher.on_sleep = [&](uint32_t ms) {
        pauses.push_back({ms, watcher.sounds_played.size(), Form1->Picture2.Picture(), Form1->Picture4.Picture()});
    };
    startreihen_aufbauen();
    watcher.on_sleep = nullptr;

    const size_t cells = static_cast<size_t>(spalten * start_reihen);
    EXPECT_EQ(watcher.sounds_played, std::vector<int>(cells, 2));
    ASSERT_EQ(pauses.size(), cells);
    const Image& blank = Form2->Picture1[feldwert::leer].Picture();
    size_t k = 0;
    for (int x = 1; x <= spalten; ++x)
        for (int y = 18; y >= 19 - start_reihen; --y) {
            SCOPED_TRACE(::testing::Message() << "cell " << x << "," << y);
            const Pause& p = pauses[k++];
            EXPECT_EQ(values(p.ms, p.sounds), values(75, k));  // the click comes before the pause
            EXPECT_EQ(p.player.pixels, p.computer.pixels);
            EXPECT_TRUE(cursor_on_top(p.player));
            EXPECT_TRUE(under_cursor(x, y) || shows(p.player, x, y, Form2->Picture1[spielfeld1(x, y)].Picture()));
            EXPECT_TRUE(shows(p.player, x, y - 1, blank));
        }
    // Above the start rows both boards stay empty.
    for (const Image* box : {&Form1->Picture2.Picture(), &Form1->Picture4.Picture()})
        for (int x = 1; x <= spalten; ++x)
            for (int y = 2; y <= 18 - start_reihen; ++y) EXPECT_TRUE(shows(*box, x, y, blank)) << x << "," << y;
}
}  // namespace
