#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/desktop.h"
#include "runtime/system.h"
#include "runtime/tool_tip.h"
#include "support/sample_screen.h"

namespace {
class Desktop : public ScreenTest {};

TEST_F(Desktop, TheTopmostScreenIsDrawnLastAndShowRaises) {
    Sample->Show();
    Other->background.fill(rgb(0, 90, 0));
    Other->Show();
    EXPECT_EQ(rt::desktop().compose().at(100, 50), rgb(0, 90, 0));
    Sample->Show();
    EXPECT_EQ(rt::desktop().compose().at(100, 50), rgb(0, 0, 80));
    EXPECT_EQ(rt::desktop().compose().at(20, 15), rgb(200, 0, 0));  // its button over its background
    Sample->button.Visible = false;
    EXPECT_EQ(rt::desktop().compose().at(20, 15), rgb(0, 0, 80));
    Sample->Hide();
    EXPECT_EQ(rt::desktop().compose().at(100, 50), rgb(0, 90, 0));
}

TEST_F(Desktop, MouseEventsGoToTheTopmostScreenAndControlUnderThePointer) {
    Other->Show();
    Sample->Left = 100;
    Sample->Show();
    backend.click(115, 15);  // Sample's button: x 110..160, y 10..30
    backend.mouse_move(150, 60);  // Sample's background
    backend.mouse_move(20, 20);   // only Other lies there: its button
    backend.click(190, 90);       // Sample's background takes no click
    DoEvents();
    EXPECT_EQ(screen_events, (std::vector<std::string>{"load", "load", "move 5,5", "click 0", "form move 50,60",
                                                "move 10,10", "form move 90,90"}));
}

TEST_F(Desktop, HiddenControlsTakeNoEvents) {
    Sample->Show();
    Sample->button.Visible = false;
    backend.click(20, 20);
    DoEvents();
    EXPECT_EQ(screen_events, (std::vector<std::string>{"load", "form move 20,20"}));
}

TEST_F(Desktop, KeysGoToTheTopmostShownScreenThatTakesThem) {
    Sample->Show();
    Other->Show();
    Other->keys = false;
    backend.key_down(vk::A);
    DoEvents();
    EXPECT_EQ(screen_events.back(), "key 65");
    screen_events.clear();
    Sample->Hide();
    backend.key_down(vk::Z);
    DoEvents();
    EXPECT_TRUE(screen_events.empty());
}
}  // namespace

namespace {
TEST_F(Desktop, AToolTipShowsAfterTheRestGoesWithThePointerAndLetsClicksThrough) {
    Sample->button.ToolTipText = "Spiel Beenden";
    Sample->Show();
    backend.mouse_move(20, 15);
    DoEvents();
    backend.advance(rt::ToolTips::kDelayMs - 10);
    DoEvents();
    EXPECT_EQ(rt::tool_tips().shown(), nullptr);
    backend.advance(20);
    DoEvents();
    const rt::Form* tip = rt::tool_tips().shown();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(rt::desktop().shown().back(), tip);
    EXPECT_EQ(tip->Top, 15 + 21.0);  // below the pointer

    // A click where the tip lies reaches the screen beneath; the press takes the tip away.
    screen_events.clear();
    backend.click(static_cast<int>(tip->Left) + 2, static_cast<int>(tip->Top) + 2);
    DoEvents();
    EXPECT_EQ(rt::tool_tips().shown(), nullptr);
    ASSERT_FALSE(screen_events.empty());
    EXPECT_EQ(screen_events.front().rfind("form move", 0), 0u);

    // Back on the button it shows again after a rest, and goes when the screen goes.
    backend.mouse_move(20, 15);
    DoEvents();
    backend.advance(rt::ToolTips::kDelayMs + 10);
    DoEvents();
    ASSERT_NE(rt::tool_tips().shown(), nullptr);
    Sample.Unload();
    DoEvents();
    EXPECT_EQ(rt::tool_tips().shown(), nullptr);
}
}  // namespace
