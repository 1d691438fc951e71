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

TEST_F(Desktop, MouseEventsGoToTheTopmostScreenAndControlUnderThePointer) {
    Other->Show();
    Sample->Left = 100;
    Sample->Show();
    backend.click(115, 15);       // Sample's button: x 110..160, y 10..30
    backend.mouse_move(150, 60);  // Sample's background
    DoEvents();
    backend.mouse_move(20, 20);  // only Other lies there: its button
    DoEvents();
    backend.click(190, 90);  // Sample's background takes no click
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
    std::vector<std::string> moves;
    void Form_MouseMove(int16_t, int16_t, float x, float y) override {
        moves.push_back(std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
    }
};

rt::FormRef<BoardScreen> Board;

// A small screen that can lie over the board screen.
class Popup : public rt::Form {
public:
    Popup() {
        Width = 100;
        Height = 50;
        background = Image(100, 50, rgb(90, 0, 0));
    }
};

rt::FormRef<Popup> Over;

class DesktopTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Board->Show();
        show();
    }

    // Lets a frame go out (if anything changed); returns how many went out.
    int show() {
        const int before = backend.frames_shown;
        rt::mark_dirty();
        rt::present_now();
        return backend.frames_shown - before;
    }

    // Draws a cell of the board the way the game does: into a copy, which then goes in whole.
    void draw_cell(int column, int row, uint32_t colour) {
        Image whole = Board->board.Picture();
        BitBlt(whole, column * 32, row * 32, 32, 32, Image(32, 32, colour), 0, 0, SRCCOPY);
        BitBlt(Board->board.hDC(), 0, 0, 288, 544, whole, 0, 0, SRCCOPY);
        Board->board.Refresh();
    }

    // The same, through copy_changes, as the boards are drawn.
    void copy_cell(int column, int row, uint32_t colour) {
        Image whole = Board->board.Picture();
        BitBlt(whole, column * 32, row * 32, 32, 32, Image(32, 32, colour), 0, 0, SRCCOPY);
        Board->board.copy_changes(0, 0, 288, 544, whole, 0, 0);
    }

    // Every pixel shown equals a composition of the whole frame from nothing.
    void expect_frame_whole(const std::string& step) {
        const Image shown = backend.frame;
        rt::desktop().damage({0, 0, 800, 600});
        EXPECT_EQ(rt::desktop().compose().pixels, shown.pixels) << step;
    }

    static Rect unite(const std::vector<Rect>& rects) {
        Rect all;
        for (const Rect& r : rects) all = bounding(all, r);
        return all;
    }
};

TEST_F(DesktopTest, AnUnchangedFrameSendsNothing) {
    EXPECT_EQ(show(), 0);
    // Drawn again alike: nothing new to see.
    draw_cell(3, 4, rgb(10, 10, 10));
    Board->label.Caption = "";
    Board->marker.Left = 400;
    EXPECT_EQ(show(), 0);
}

TEST_F(DesktopTest, OneChangedCellSendsOnlyItsRectangle) {
    draw_cell(3, 4, rgb(200, 0, 0));
    ASSERT_EQ(show(), 1);
    EXPECT_EQ(backend.changed, (std::vector<Rect>{{56 + 3 * 32, 24 + 4 * 32, 32, 32}}));
    EXPECT_EQ(backend.frame.at(56 + 3 * 32 + 5, 24 + 4 * 32 + 5), rgb(200, 0, 0));

    // Neighbours in a row go as one rectangle.
    draw_cell(5, 7, rgb(0, 200, 0));
    draw_cell(6, 7, rgb(0, 0, 200));
    ASSERT_EQ(show(), 1);
    EXPECT_EQ(backend.changed, (std::vector<Rect>{{56 + 5 * 32, 24 + 7 * 32, 64, 32}}));
}

TEST_F(DesktopTest, ACopyOfAWholeBoardSendsOnlyTheCellsThatDiffer) {
    struct Case {
        const char* name;
        std::function<void()> change;
        std::vector<Rect> expected;
    };
    // Each case goes on from where the one before left the screen.
    const Case cases[] = {
        {"the same board again", [this] { copy_cell(3, 4, rgb(10, 10, 10)); }, {}},
        {"one cell", [this] { copy_cell(3, 4, rgb(200, 0, 0)); }, {{56 + 3 * 32, 24 + 4 * 32, 32, 32}}},
        {"two cells in a row",
         [this] {
             copy_cell(5, 7, rgb(0, 200, 0));
             copy_cell(6, 7, rgb(0, 0, 200));
         },
         {{56 + 5 * 32, 24 + 7 * 32, 64, 32}}},
        {"a cell copied and drawn back alike",
         [this] {
             copy_cell(0, 0, rgb(1, 1, 1));
             draw_cell(0, 0, rgb(10, 10, 10));
         },
         {}},
        {"a copy after a draw into the box",
         [this] {
             draw_cell(8, 16, rgb(9, 9, 9));
             copy_cell(0, 1, rgb(9, 9, 9));
         },
         {{56, 24 + 32, 32, 32}, {56 + 8 * 32, 24 + 16 * 32, 32, 32}}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(show(), 0) << c.name;
        c.change();
        ASSERT_EQ(show(), c.expected.empty() ? 0 : 1) << c.name;
        if (!c.expected.empty()) {
            EXPECT_EQ(backend.changed, c.expected) << c.name;
        }
        expect_frame_whole(c.name);
    }
}

TEST_F(DesktopTest, CopyChangesLeavesThePixelsBitBltWould) {
    std::mt19937 random(5);
    auto pick = [&](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    for (int step = 0; step < 200; ++step) {
        Image source(pick(1, 400), pick(1, 600));
        for (uint32_t& p : source.pixels)
            p = random() % 4 == 0 ? static_cast<uint32_t>(random() & 0xFFFFFF) : rgb(10, 10, 10);
        const int dx = pick(-40, 300), dy = pick(-40, 560), w = pick(0, 320), h = pick(0, 580);
        const int sx = pick(-40, 100), sy = pick(-40, 100);
        Image expected = Board->board.Picture();
        BitBlt(expected, dx, dy, w, h, source, sx, sy, SRCCOPY);
        Board->board.copy_changes(dx, dy, w, h, source, sx, sy);
        ASSERT_EQ(Board->board.Picture().pixels, expected.pixels) << "step " << step;
        if (step % 3 == 0) {
            show();
            expect_frame_whole("step " + std::to_string(step));
        }
    }
}

TEST_F(DesktopTest, AMovedOrHiddenControlSendsBothItsPlaces) {
    struct Case {
        const char* name;
        void (*change)(BoardScreen&);
        Rect expected;
    };
    // Each case goes on from where the one before left the screen.
    const Case cases[] = {
        {"a box moved right by one", [](BoardScreen& s) { s.marker.Left = 401; }, {400, 100, 33, 64}},
        {"a box moved far", [](BoardScreen& s) { s.marker.Top = 300; }, {401, 100, 32, 264}},
        {"a box hidden", [](BoardScreen& s) { s.marker.Visible = false; }, {401, 300, 32, 64}},
        {"a box shown again", [](BoardScreen& s) { s.marker.Visible = true; }, {401, 300, 32, 64}},
        {"a box grown", [](BoardScreen& s) { s.marker.Width = 40; }, {401, 300, 40, 64}},
        {"a label's text", [](BoardScreen& s) { s.label.Caption = "Level 2"; }, {500, 300, 120, 20}},
        {"a line's colour", [](BoardScreen& s) { s.line.BorderColor = rgb(1, 2, 3); }, {450, 400, 11, 31}},
        {"a line moved", [](BoardScreen& s) { s.line.set(455, 400, 465, 430, rgb(1, 2, 3)); }, {450, 400, 16, 31}},
    };
    for (const Case& c : cases) {
        c.change(Board.get());
        ASSERT_EQ(show(), 1) << c.name;
        EXPECT_EQ(unite(backend.changed), c.expected) << c.name;
        expect_frame_whole(c.name);
    }
}

TEST_F(DesktopTest, ScreensShownHiddenOrMovedSendTheirPlaces) {
    Over->Left = 600;
    Over->Top = 500;
    Over->Show();
    ASSERT_EQ(show(), 1);
    EXPECT_EQ(unite(backend.changed), (Rect{600, 500, 100, 50}));
    expect_frame_whole("shown");

    Over->Left = 650;
    ASSERT_EQ(show(), 1);
    EXPECT_EQ(unite(backend.changed), (Rect{600, 500, 150, 50}));
    expect_frame_whole("moved");

    Board->Show();  // raised over the popup
    ASSERT_EQ(show(), 1);
    EXPECT_EQ(backend.frame.at(660, 510), rgb(0, 0, 60));
    expect_frame_whole("raised");

    Over.Unload();
    Board->Hide();
    ASSERT_EQ(show(), 1);
    EXPECT_EQ(unite(backend.changed), (Rect{0, 0, 800, 600}));
    EXPECT_EQ(backend.frame.pixels, Image(800, 600).pixels);
}

TEST_F(DesktopTest, AnExposeSendsTheWholeFrame) {
    InputEvent exposed;
    exposed.kind = InputEvent::Kind::Exposed;
    backend.schedule(exposed, backend.clock);
    backend.advance(20);
    DoEvents();
    EXPECT_EQ(backend.changed, (std::vector<Rect>{{0, 0, 800, 600}}));
}

TEST_F(DesktopTest, ManyChangesAtRandomComposeAsTheWholeFrameWould) {
    std::mt19937 random(3);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 300; ++step) {
        switch (pick(7)) {
            case 0: draw_cell(pick(9), pick(17), rgb(pick(256), pick(256), pick(256))); break;
            case 6: copy_cell(pick(9), pick(17), rgb(pick(256), pick(256), pick(256))); break;
            case 1: Board->marker.Left = pick(900) - 50; break;
            case 2: Board->marker.Visible = pick(2) == 0; break;
            case 3: Board->label.Caption = std::string(static_cast<size_t>(pick(12)), 'x'); break;
            case 4:
                Over->Left = pick(800);
                Over->Top = pick(600);
                if (pick(3) == 0) Over->Show();
                break;
            default:
                if (pick(2) == 0) Over->Hide();
                else Board->Show();
                break;
        }
        show();
        expect_frame_whole("step " + std::to_string(step));
    }
}

// While nothing takes events (the pause polls keys alone), a pointer that moves on and on
// keeps one event waiting, not thousands.
TEST_F(DesktopTest, PointerMovesNobodyTakesPileUpAsOne) {
    for (int i = 0; i < 5000; ++i) {
        backend.mouse_move(700 + i % 50, 550 + i % 40);
        if (i % 50 == 0) {
            EXPECT_FALSE(rt::quit_requested());
            GetAsyncKeyState(vk::P);
        }
    }
    backend.key_down(vk::A);
    backend.mouse_move(10, 20);
    backend.mouse_move(30, 40);
    DoEvents();
    EXPECT_EQ(Board->moves, (std::vector<std::string>{"749,589", "30,40"}));
}

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
