#include <vector>

#include "frame/procedures.h"
#include "support/game_test.h"

namespace {
using DisplayModeTest = GameTest;

TEST_F(DisplayModeTest, SwitchesWidthAndHeightAsOnePairRoundedHalfToEven) {
    struct Case {
        float width, height;
        int expected_width, expected_height;
    };
    const Case cases[] = {
        {800, 600, 800, 600},
        {1279.5f, 1023.5f, 1280, 1024},  // halves go to the even neighbour, not always down
        {1280.5f, 1024.5f, 1280, 1024},
        {1365.6f, 767.4f, 1366, 767},
    };
    for (const Case& c : cases) {
        backend.display_changes.clear();
        aufloesung_setzen(c.width, c.height);
        ASSERT_EQ(backend.display_changes.size(), 1u);
        EXPECT_EQ(values(backend.display_changes[0].width, backend.display_changes[0].height),
                  values(c.expected_width, c.expected_height))
            << c.width << " x " << c.height;
    }
}
}  // namespace
