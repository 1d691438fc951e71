#include "runtime/system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sample_screen.h"

namespace {
class System : public ScreenTest {};

TEST_F(System, ClosingTheWindowRunsTheQuitHandler) {
    bool quit = false;
    rt::set_quit_handler([&] { quit = true; });
    backend.close_window();
    DoEvents();
    EXPECT_TRUE(quit);
}

TEST_F(System, DoEventsWaitsAtMostAMillisecondWhenNothingIsPending) {
    backend.clock = 1000;
    DoEvents();
    EXPECT_EQ(backend.clock, 1001u);
    backend.key_down(vk::Space, 1001);
    DoEvents();
    EXPECT_EQ(backend.clock, 1001u);
}

TEST_F(System, SleepShowsTheFrameAndRunsNoEvents) {
    Sample->Show();
    backend.key_down(vk::A);
    Sleep(75);
    EXPECT_EQ(backend.clock, 75u);
    EXPECT_EQ(backend.frames_shown, 1);
    EXPECT_EQ(backend.frame.at(20, 15), rgb(200, 0, 0));
    EXPECT_EQ(screen_events, (std::vector<std::string>{"load"}));
}

TEST_F(System, KeyStateCountsANewPressOnce) {
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
        {"a held key counts once",
         {{Step::Down}, {Step::Query, static_cast<int16_t>(0x8001)}, {Step::Query, static_cast<int16_t>(0x8000)}}},
        {"released before the query", {{Step::Down}, {Step::Up}, {Step::Query, 0x0001}, {Step::Query, 0}}},
        {"pressed again while counted",
         {{Step::Down},
          {Step::Query, static_cast<int16_t>(0x8001)},
          {Step::Up},
          {Step::Down},
          {Step::Query, static_cast<int16_t>(0x8001)}}},
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

TEST_F(System, KeyboardRepeatsDoNotCountAsNewPresses) {
    backend.key_down(vk::Left);
    EXPECT_EQ(GetAsyncKeyState(vk::Left), static_cast<int16_t>(0x8001));
    InputEvent repeat;
    repeat.kind = InputEvent::Kind::KeyDown;
    repeat.key = vk::Left;
    repeat.repeat = true;
    backend.schedule(repeat, backend.clock);
    EXPECT_EQ(GetAsyncKeyState(vk::Left), static_cast<int16_t>(0x8000));
}

TEST_F(System, RandomNumbersLieInTheHalfOpenUnitRangeAndRepeatWithTheSeed) {
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
