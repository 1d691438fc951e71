#include "runtime/system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sample_screen.h"

namespace {
class System : public ScreenTest {};

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

// The key state counts a new press once: d down, u up, r a keyboard repeat, q a query.
TEST_F(System, KeyStateCountsANewPressOnce) {
    struct Case {
        std::string steps;
        std::vector<int> answers;
    };
    const Case cases[] = {
        {"q", {0}},
        {"dqq", {0x8001, 0x8000}},    // held: counted once
        {"duqq", {0x0001, 0}},        // released before the query
        {"dqudq", {0x8001, 0x8001}},  // pressed again
        {"dqurq", {0x8001, 0x8000}},  // a repeat is no new press, even after a lost release
    };
    for (const Case& c : cases) {
        rt::reset_runtime();
        std::vector<int> answers;
        for (char step : c.steps) {
            InputEvent event;
            event.kind = step == 'u' ? InputEvent::Kind::KeyUp : InputEvent::Kind::KeyDown;
            event.key = vk::Space;
            event.repeat = step == 'r';
            if (step == 'q') answers.push_back(static_cast<uint16_t>(GetAsyncKeyState(vk::Space)));
            else backend.schedule(event, backend.clock);
        }
        EXPECT_EQ(answers, c.answers) << c.steps;
    }
}

TEST_F(System, RandomNumbersLieInTheHalfOpenUnitRangeAndRepeatWithTheSeed) {
    Randomize(7);
    std::vector<float> first(1000);
    for (float& r : first) {
        r = Rnd();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f) << r;
    }
    Randomize(7);
    for (float r : first) ASSERT_EQ(Rnd(), r);
}
}  // namespace
