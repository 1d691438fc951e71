#include "runtime/desktop.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/system.h"
#include "runtime/tool_tip.h"
#include "support/game_test.h"
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

TEST_F(Desktop, MouseEventsGoToTheTopmostScreenAndVisibleControlUnderThePointer) {
    Other->Show();
    Sample->Left = 100;
    Sample->Top = 10;
    Sample->Show();
    backend.click(115, 25);       // Sample's button: x 110..160, y 20..40
    backend.mouse_move(150, 70);  // Sample's background
    DoEvents();
    backend.mouse_move(310, 20);  // beside both screens: nobody
    DoEvents();
    backend.mouse_move(20, 20);  // only Other lies there: its button
    DoEvents();
    backend.click(190, 100);  // Sample's background takes no click
    DoEvents();
    Sample->button.Visible = false;
    backend.click(115, 25);
    DoEvents();
    EXPECT_EQ(screen_events, (std::vector<std::string>{"load", "load", "move 5,5", "click 0", "form move 50,60",
                                                       "move 10,10", "form move 90,90", "form move 15,15"}));
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

// While nothing takes events (the pause polls keys alone), a pointer that moves on and on
// keeps one event waiting, not thousands; the next pass takes it with what came after it.
TEST_F(Desktop, PointerMovesInARowWaitAsOne) {
    Sample->Show();
    for (int x : {10, 20, 150}) backend.mouse_move(x, 60);
    GetAsyncKeyState(vk::P);  // the pause's poll queues what came so far
    backend.key_down(vk::A);
    backend.mouse_move(10, 20);
    backend.mouse_move(30, 40);
    DoEvents();
    EXPECT_EQ(screen_events, (std::vector<std::string>{"load", "form move 150,60", "key 65", "form move 30,40"}));
}

TEST_F(Desktop, AToolTipShowsAfterTheRestOnTheScreenAndGoesWithThePointerAPressOrItsScreen) {
    Sample->Left = 600;
    Sample->button.Left = 180;  // at the frame's right edge
    Sample->button.ToolTipText = "Spiel Beenden";
    Sample->Show();
    const auto rest_on_button = [&](uint32_t ms) {
        backend.mouse_move(795, 15);
        DoEvents();
        backend.advance(ms);
        DoEvents();
        return rt::tool_tips().shown();
    };
    EXPECT_EQ(rest_on_button(rt::ToolTips::kDelayMs - 10), nullptr);
    const rt::Form* tip = rest_on_button(20);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(rt::desktop().shown().back(), tip);
    EXPECT_EQ(tip->Top, 15 + 21.0);  // below the pointer, kept on the screen
    EXPECT_EQ(tip->Left + tip->Width, 800.0);
    EXPECT_EQ(rt::desktop().compose().at(static_cast<int>(tip->Left) + 1, 37), rgb(255, 255, 225));

    backend.mouse_move(700, 80);
    DoEvents();
    EXPECT_EQ(rt::tool_tips().shown(), nullptr);

    // A click where the tip lies reaches the screen beneath; the press takes the tip away.
    tip = rest_on_button(rt::ToolTips::kDelayMs + 10);
    ASSERT_NE(tip, nullptr);
    screen_events.clear();
    backend.click(static_cast<int>(tip->Left) + 2, static_cast<int>(tip->Top) + 2);
    DoEvents();
    EXPECT_EQ(rt::tool_tips().shown(), nullptr);
    ASSERT_FALSE(screen_events.empty());
    EXPECT_EQ(screen_events.front().rfind("form move", 0), 0u);

    ASSERT_NE(rest_on_button(rt::ToolTips::kDelayMs + 10), nullptr);
    Sample.Unload();
    DoEvents();
    EXPECT_EQ(rt::tool_tips().shown(), nullptr);
}
}  // namespace

namespace {
// A screen with a board-like box of 9 × 17 cells, a small box, a label and a line.
class BoardScreen : public rt::Form {
public:
    BoardScreen() {
        background = Image(800, 600, rgb(0, 0, 60));
        board.place(56, 24, 288, 544);
        board.SetPicture(Image(288, 544, rgb(10, 10, 10)));
        marker.place(400, 100, 32, 64);
        marker.SetPicture(Image(32, 64, rgb(250, 250, 0)));
        label.place(500, 300, 120, 20);
        line.set(450, 400, 460, 430, rgb(0, 255, 0));
        add(board);
        add(marker);
        add(label);
        add(line);
    }
    rt::PictureBox board, marker;
    rt::Label label;
    rt::Line line;
};

rt::FormRef<BoardScreen> Board;

class DesktopTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        Board->Show();
        show();
    }

    // Takes the input and lets a frame go out (if anything changed); returns how many went out.
    int show() {
        const int before = backend.frames_shown;
        rt::pump_input();
        rt::mark_dirty();
        rt::present_now();
        return backend.frames_shown - before;
    }

    // Cells of a row drawn as the game draws them: into a copy of the box's picture, which then
    // goes in whole, by BitBlt and Refresh or through copy_changes.
    Image board_with(int column, int row, uint32_t colour, int cells) {
        Image whole = Board->board.Picture();
        BitBlt(whole, column * 32, row * 32, 32 * cells, 32, Image(32 * cells, 32, colour), 0, 0, SRCCOPY);
        return whole;
    }
    void draw_cells(int column, int row, uint32_t colour, int cells = 1) {
        BitBlt(Board->board.hDC(), 0, 0, 288, 544, board_with(column, row, colour, cells), 0, 0, SRCCOPY);
        Board->board.Refresh();
    }
    void copy_cells(int column, int row, uint32_t colour, int cells = 1) {
        Board->board.copy_changes(0, 0, 288, 544, board_with(column, row, colour, cells), 0, 0);
    }

    // Every pixel shown equals a composition of the whole frame from nothing.
    void expect_frame_whole(const std::string& step) {
        const Image shown = backend.frame;
        rt::desktop().damage({0, 0, 800, 600});
        EXPECT_EQ(rt::desktop().compose().pixels, shown.pixels) << step;
    }
};

TEST_F(DesktopTest, AFrameSendsOnlyTheRectanglesThatChanged) {
    struct Case {
        const char* name;
        std::function<void()> change;
        std::vector<Rect> expected;
    };
    InputEvent exposed;
    exposed.kind = InputEvent::Kind::Exposed;
    const uint32_t red = rgb(200, 0, 0), green = rgb(0, 200, 0);
    Other->Left = 500;
    Other->Top = 420;
    // Each case goes on from where the one before left the screen.
    const Case cases[] = {
        {"nothing", [] {}, {}},
        {"a cell drawn again alike", [&] { draw_cells(3, 4, rgb(10, 10, 10)); }, {}},
        {"a caption set again alike", [&] { Board->label.Caption = ""; }, {}},
        {"a box set where it is", [&] { Board->marker.Left = 400; }, {}},
        {"one cell", [&] { draw_cells(3, 4, red); }, {{56 + 3 * 32, 24 + 4 * 32, 32, 32}}},
        {"neighbours in a row go as one", [&] { draw_cells(5, 7, green, 2); }, {{56 + 5 * 32, 24 + 7 * 32, 64, 32}}},
        {"a whole board copied alike", [&] { copy_cells(3, 4, red); }, {}},
        {"one cell copied", [&] { copy_cells(2, 4, red); }, {{56 + 2 * 32, 24 + 4 * 32, 32, 32}}},
        {"neighbours copied", [&] { copy_cells(5, 9, green, 2); }, {{56 + 5 * 32, 24 + 9 * 32, 64, 32}}},
        {"a cell copied and drawn back alike",
         [&] {
             copy_cells(0, 0, rgb(1, 1, 1));
             draw_cells(0, 0, rgb(10, 10, 10));
         },
         {}},
        {"a copy after a draw into the box",
         [&] {
             draw_cells(8, 16, rgb(9, 9, 9));
             copy_cells(0, 1, rgb(9, 9, 9));
         },
         {{56, 24 + 32, 32, 32}, {56 + 8 * 32, 24 + 16 * 32, 32, 32}}},
        {"a box moved right by one", [&] { Board->marker.Left = 401; }, {{400, 100, 33, 64}}},
        {"a box moved far", [&] { Board->marker.Top = 300; }, {{401, 100, 32, 64}, {401, 300, 32, 64}}},
        {"a box hidden", [&] { Board->marker.Visible = false; }, {{401, 300, 32, 64}}},
        {"a box shown again", [&] { Board->marker.Visible = true; }, {{401, 300, 32, 64}}},
        {"a box grown", [&] { Board->marker.Width = 40; }, {{401, 300, 40, 64}}},
        {"a label's text", [&] { Board->label.Caption = "Level 2"; }, {{500, 300, 120, 20}}},
        {"a line's colour", [&] { Board->line.BorderColor = rgb(1, 2, 3); }, {{450, 400, 11, 31}}},
        {"a line moved", [&] { Board->line.set(455, 400, 465, 430, rgb(1, 2, 3)); }, {{450, 400, 16, 31}}},
        {"a screen shown", [&] { Other->Show(); }, {{500, 420, 200, 100}}},
        {"a screen moved", [&] { Other->Left = 550; }, {{500, 420, 250, 100}}},
        {"a screen raised", [&] { Board->Show(); }, {{0, 0, 800, 600}}},
        {"an expose", [&] { backend.schedule(exposed, backend.clock); }, {{0, 0, 800, 600}}},
        {"a screen unloaded", [&] { Other.Unload(); }, {{550, 420, 200, 100}}},
        {"the last screen hidden", [&] { Board->Hide(); }, {{0, 0, 800, 600}}},
    };
    for (const Case& c : cases) {
        c.change();
        EXPECT_EQ(show() == 1 ? backend.changed : std::vector<Rect>{}, c.expected) << c.name;
        expect_frame_whole(c.name);
    }
    EXPECT_EQ(backend.frame.pixels, Image(800, 600).pixels);
}

// Random draws, copies, moves and screens: each frame shown is the whole frame composed anew,
// and a copy of any part of any picture leaves the pixels BitBlt would.
TEST_F(DesktopTest, ManyChangesAtRandomComposeAsTheWholeFrameWould) {
    std::mt19937 random(3);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 300; ++step) {
        switch (pick(8)) {
            case 0: draw_cells(pick(9), pick(17), rgb(pick(256), pick(256), pick(256))); break;
            case 1: copy_cells(pick(9), pick(17), rgb(pick(256), pick(256), pick(256))); break;
            case 2: Board->marker.Left = pick(900) - 50; break;
            case 3: Board->marker.Visible = pick(2) == 0; break;
            case 4: Board->label.Caption = std::string(static_cast<size_t>(pick(12)), 'x'); break;
            case 5:
                Other->Left = pick(800);
                Other->Top = pick(600);
                if (pick(3) == 0) Other->Show();
                break;
            case 6: {
                Image source(1 + pick(400), 1 + pick(600));
                for (uint32_t& p : source.pixels) p = pick(4) == 0 ? random() & 0xFFFFFF : rgb(10, 10, 10);
                const int dx = pick(341) - 40, dy = pick(601) - 40, w = pick(321), h = pick(581);
                const int sx = pick(141) - 40, sy = pick(141) - 40;
                Image expected = Board->board.Picture();
                BitBlt(expected, dx, dy, w, h, source, sx, sy, SRCCOPY);
                Board->board.copy_changes(dx, dy, w, h, source, sx, sy);
                ASSERT_EQ(Board->board.Picture().pixels, expected.pixels) << "step " << step;
                break;
            }
            default:
                if (pick(2) == 0) Other->Hide();
                else Board->Show();
                break;
        }
        show();
        expect_frame_whole("step " + std::to_string(step));
    }
}
}  // namespace
