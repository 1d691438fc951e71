#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/desktop.h"
#include "runtime/form.h"
#include "runtime/system.h"
#include "support/game_test.h"

namespace {
std::vector<std::string> events;

class SampleScreen : public rt::Form {
public:
    SampleScreen() {
        Width = 200;
        Height = 100;
        background = Image(200, 100, rgb(0, 0, 80));
        button.place(10, 10, 50, 20);
        button.SetPicture(Image(50, 20, rgb(200, 0, 0)));
        button.on_click = [](int16_t index) { events.push_back("click " + std::to_string(index)); };
        button.on_mouse_move = [](int16_t, int16_t, int16_t, float x, float y) {
            events.push_back("move " + std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
        };
        add(button);
    }
    rt::PictureBox button;
    bool keys = true;
    int16_t cancel_unload = 0;

    void Form_Load() override { events.push_back("load"); }
    void Form_QueryUnload(int16_t& Cancel, int16_t) override {
        events.push_back("unload");
        Cancel = cancel_unload;
    }
    bool takes_keys() const override { return keys; }
    void Form_KeyDown(int16_t& KeyCode, int16_t) override { events.push_back("key " + std::to_string(KeyCode)); }
    void Form_MouseMove(int16_t, int16_t, float x, float y) override {
        events.push_back("form move " + std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
    }
};

class OtherScreen : public SampleScreen {};

rt::FormRef<SampleScreen> Sample;
rt::FormRef<OtherScreen> Other;

class Screens : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        events.clear();
    }
};

TEST_F(Screens, FirstUseCreatesAndLoadsOnceUnloadReleasesLaterUseMakesAFreshOne) {
    EXPECT_FALSE(Sample.loaded());
    Sample->Left = 5;
    Sample->Top = 6;
    EXPECT_TRUE(Sample.loaded());
    EXPECT_FALSE(Sample->shown());  // created hidden
    EXPECT_EQ(events, (std::vector<std::string>{"load"}));

    Sample.Unload();
    EXPECT_FALSE(Sample.loaded());
    EXPECT_EQ(Sample->Left, 0.0);  // a fresh instance
    EXPECT_EQ(events, (std::vector<std::string>{"load", "unload", "load"}));
}

TEST_F(Screens, AnUnloadThatCancelsKeepsTheInstance) {
    Sample->cancel_unload = -1;
    Sample->Left = 7;
    Sample.Unload();
    EXPECT_TRUE(Sample.loaded());
    EXPECT_EQ(Sample->Left, 7.0);
}

TEST_F(Screens, UnloadingAShownScreenTakesItOffTheDesktop) {
    Sample->Show();
    Sample.Unload();
    EXPECT_TRUE(rt::desktop().shown().empty());
}

TEST_F(Screens, TheTopmostScreenIsDrawnLastAndShowRaises) {
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

TEST_F(Screens, MouseEventsGoToTheTopmostScreenAndControlUnderThePointer) {
    Other->Show();
    Sample->Left = 100;
    Sample->Show();
    backend.click(115, 15);  // Sample's button: x 110..160, y 10..30
    backend.mouse_move(150, 60);  // Sample's background
    backend.mouse_move(20, 20);   // only Other lies there: its button
    backend.click(190, 90);       // Sample's background takes no click
    DoEvents();
    EXPECT_EQ(events, (std::vector<std::string>{"load", "load", "move 5,5", "click 0", "form move 50,60",
                                                "move 10,10", "form move 90,90"}));
}

TEST_F(Screens, HiddenControlsTakeNoEvents) {
    Sample->Show();
    Sample->button.Visible = false;
    backend.click(20, 20);
    DoEvents();
    EXPECT_EQ(events, (std::vector<std::string>{"load", "form move 20,20"}));
}

TEST_F(Screens, KeysGoToTheTopmostShownScreenThatTakesThem) {
    Sample->Show();
    Other->Show();
    Other->keys = false;
    backend.key_down(vk::A);
    DoEvents();
    EXPECT_EQ(events.back(), "key 65");
    events.clear();
    Sample->Hide();
    backend.key_down(vk::Z);
    DoEvents();
    EXPECT_TRUE(events.empty());
}

TEST_F(Screens, ClosingTheWindowRunsTheQuitHandler) {
    bool quit = false;
    rt::set_quit_handler([&] { quit = true; });
    backend.close_window();
    DoEvents();
    EXPECT_TRUE(quit);
}

TEST_F(Screens, DoEventsWaitsAtMostAMillisecondWhenNothingIsPending) {
    backend.clock = 1000;
    DoEvents();
    EXPECT_EQ(backend.clock, 1001u);
    backend.key_down(vk::Space, 1001);
    DoEvents();
    EXPECT_EQ(backend.clock, 1001u);
}

TEST_F(Screens, SleepShowsTheFrameAndRunsNoEvents) {
    Sample->Show();
    backend.key_down(vk::A);
    Sleep(75);
    EXPECT_EQ(backend.clock, 75u);
    EXPECT_EQ(backend.frames_shown, 1);
    EXPECT_EQ(backend.frame.at(20, 15), rgb(200, 0, 0));
    EXPECT_EQ(events, (std::vector<std::string>{"load"}));
}

TEST_F(Screens, LabelColourComponentsAboveFullCountAsFull) {
    rt::Label label;
    label.SetForeColor(300, 128, -4);
    EXPECT_EQ(label.ForeColor(), rgb(255, 128, 0));
}

// Draws every other character as a solid 8 × 16 block, so each one shows as a run of its own.
class StripedText : public rt::TestBackend {
    Image render_text(const std::string& text, int, uint32_t colour) override {
        Image image(8 * static_cast<int>(text.size()), 16);
        for (int x = 0; x < image.width; ++x) {
            for (int y = 0; y < image.height; ++y) image.at(x, y) = colour | ((x / 8) % 2 == 0 ? 0xFF000000u : 0);
        }
        return image;
    }
};

TEST_F(Screens, ALabelNarrowsATextWiderThanItselfInsteadOfCuttingItOff) {
    struct Case {
        const char* text;
        int label_width;
        rt::Label::Align align;
        int first_lit, last_lit, runs;  // frame columns the text covers; how many characters show
    };
    const Case cases[] = {
        {"ABC", 40, rt::Label::Align::Left, 100, 123, 2},  // fits: drawn as it is
        {"ABC", 40, rt::Label::Align::Right, 116, 139, 2},
        {"ABCDEFGH", 32, rt::Label::Align::Left, 100, 127, 4},  // 64 wide into 32: every character stays
        {"ABCDEFGH", 32, rt::Label::Align::Right, 100, 127, 4},
    };
    StripedText striped;
    rt::install_backend(&striped);
    for (const Case& c : cases) {
        Image frame(300, 50);
        rt::Label label;
        label.place(100, 10, c.label_width, 17);
        label.alignment = c.align;
        label.SetForeColor(255, 255, 255);
        label.Caption = c.text;
        label.draw(frame, 0, 0);
        int first = -1, last = -1, runs = 0;
        for (int x = 0; x < frame.width; ++x) {
            if (frame.at(x, 15) != rgb(255, 255, 255)) continue;
            if (x == 0 || frame.at(x - 1, 15) != rgb(255, 255, 255)) ++runs;
            if (first < 0) first = x;
            last = x;
        }
        EXPECT_EQ(first, c.first_lit) << c.text << " in " << c.label_width;
        EXPECT_EQ(last, c.last_lit) << c.text << " in " << c.label_width;
        EXPECT_EQ(runs, c.runs) << c.text << " in " << c.label_width;
    }
    rt::install_backend(&backend);
}

TEST_F(Screens, KeyStateCountsANewPressOnce) {
    struct Step {
        enum { Down, Up, Query } what;
        int16_t expected = 0;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"a new press", {{Step::Down}, {Step::Query, static_cast<int16_t>(0x8001)}}},
        {"a held key counts once", {{Step::Down}, {Step::Query, static_cast<int16_t>(0x8001)}, {Step::Query, static_cast<int16_t>(0x8000)}}},
        {"released before the query", {{Step::Down}, {Step::Up}, {Step::Query, 0x0001}, {Step::Query, 0}}},
        {"pressed again while counted", {{Step::Down}, {Step::Query, static_cast<int16_t>(0x8001)}, {Step::Up}, {Step::Down}, {Step::Query, static_cast<int16_t>(0x8001)}}},
        {"never pressed", {{Step::Query, 0}}},
    };
    for (const Case& c : cases) {
        rt::reset_runtime();
        for (const Step& step : c.steps) {
            if (step.what == Step::Down) backend.key_down(vk::Space);
            if (step.what == Step::Up) backend.key_up(vk::Space);
            if (step.what == Step::Query) {
                EXPECT_EQ(GetAsyncKeyState(vk::Space), step.expected) << c.name;
            }
        }
    }
}

TEST_F(Screens, KeyboardRepeatsDoNotCountAsNewPresses) {
    backend.key_down(vk::Left);
    EXPECT_EQ(GetAsyncKeyState(vk::Left), static_cast<int16_t>(0x8001));
    InputEvent repeat;
    repeat.kind = InputEvent::Kind::KeyDown;
    repeat.key = vk::Left;
    repeat.repeat = true;
    backend.schedule(repeat, backend.clock);
    EXPECT_EQ(GetAsyncKeyState(vk::Left), static_cast<int16_t>(0x8000));
}

TEST_F(Screens, RandomNumbersLieInTheHalfOpenUnitRangeAndRepeatWithTheSeed) {
    Randomize(7);
    std::vector<float> first;
    for (int i = 0; i < 1000; ++i) {
        const float r = Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        first.push_back(r);
    }
    Randomize(7);
    for (float r : first) ASSERT_EQ(Rnd(), r);
}
}  // namespace
