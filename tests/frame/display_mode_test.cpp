#include <string>
#include <utility>
#include <vector>

#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"
#include "support/temp_folder.h"

namespace {
class DisplayModeTest : public GameTest {};

std::vector<std::pair<int, int>> pairs(const std::vector<DisplaySize>& sizes) {
    std::vector<std::pair<int, int>> result;
    for (const DisplaySize& s : sizes) result.emplace_back(s.width, s.height);
    return result;
}

TEST_F(DisplayModeTest, SwitchesWidthAndHeightAsOnePairRoundedHalfToEven) {
    struct Case {
        float width, height;
        DisplaySize expected;
    };
    const Case cases[] = {
        {800, 600, {800, 600}},
        {1279.5f, 1023.5f, {1280, 1024}},  // halves go to the even neighbour, not always down
        {1280.5f, 1024.5f, {1280, 1024}},
        {1365.6f, 767.4f, {1366, 767}},
    };
    for (const Case& c : cases) {
        backend.display_changes.clear();
        aufloesung_setzen(c.width, c.height);
        const std::vector<std::pair<int, int>> expected = {{c.expected.width, c.expected.height}};
        EXPECT_EQ(pairs(backend.display_changes), expected) << c.width << " x " << c.height;
    }
}

// The program starts, the window is closed at once, and the desktop's size comes back, also when
// it already was 800 x 600 (another size given back is checked with the program's start).
TEST_F(DisplayModeTest, GivesTheSizeBackAtTheEndEvenWhenItWas800By600) {
    backend.display = {800, 600};
    TempFolder folder;
    folder.link_sounds();
    backend.folder = folder.path().string();
    rt::set_quit_handler([] { programm_beenden(); });
    backend.close_window();
    // The close may be seen in the menu or in the game; if nothing waited for events, the
    // program is ended the same way afterwards.
    if (!ends_program([] { Main(); })) {
        EXPECT_TRUE(ends_program([] { programm_beenden(); }));
    }
    EXPECT_EQ(alte_breite, 800);
    EXPECT_EQ(alte_hoehe, 600);
    const std::vector<std::pair<int, int>> expected = {{800, 600}, {800, 600}};
    EXPECT_EQ(pairs(backend.display_changes), expected);
}
}  // namespace
