#include <csignal>
#include <cstring>

#include "support/game_test.h"

namespace {
constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// Each test starts from default handlers: a test run started by nohup or as a script's
// background job inherits some of these ignored.
class Endings : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        for (int signal : kEndingSignals) std::signal(signal, SIG_DFL);
    }
    void TearDown() override {
        for (int signal : kEndingSignals) std::signal(signal, SIG_DFL);
        GameTest::TearDown();
    }
};

// A signal the program was started to ignore stays ignored: nohup, a script's background job.
TEST_F(Endings, EverySignalThatAsksToEndRunsTheQuitHandlerOnceUnlessIgnoredAtStart) {
    for (bool ignored : {false, true}) {
        for (int signal : kEndingSignals) {
            SCOPED_TRACE(testing::Message() << strsignal(signal) << (ignored ? ", ignored at start" : ""));
            int quits = 0;
            rt::set_quit_handler([&] { ++quits; });
            if (ignored) std::signal(signal, SIG_IGN);
            rt::end_on_signals();
            std::raise(signal);
            DoEvents();
            EXPECT_EQ(quits, ignored ? 0 : 1);
            // A second one while the program shuts down ends it at once.
            struct sigaction now {};
            sigaction(signal, nullptr, &now);
            EXPECT_EQ(now.sa_handler, ignored ? SIG_IGN : SIG_DFL);
        }
    }
}

// A pause blocks every event but the end: closing the window 100 ms in ends the program then,
// not when the pause is over.
TEST_F(Endings, ClosingTheWindowEndsAPauseAtOnce) {
    backend.schedule(InputEvent{}, 100);
    EXPECT_TRUE(ends_program([] { Sleep(5000); }));
    EXPECT_LE(backend.clock, 175u);
    EXPECT_EQ(backend.pending_input(), 0u);
}
}  // namespace
