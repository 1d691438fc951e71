#include <csignal>
#include <cstring>
#include <functional>

#include "engine/board.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"

namespace {
class Endings : public GameTest {
protected:
    void TearDown() override {
        for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) std::signal(signal, SIG_DFL);
        GameTest::TearDown();
    }
};

TEST_F(Endings, EverySignalThatAsksToEndRunsTheQuitHandlerOnce) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(strsignal(signal));
        int quits = 0;
        rt::set_quit_handler([&] { ++quits; });
        rt::end_on_signals();
        std::raise(signal);
        DoEvents();
        EXPECT_EQ(quits, 1);
        // A second one while the program shuts down ends it at once.
        struct sigaction now {};
        sigaction(signal, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL);
    }
}

TEST_F(Endings, ASignalTheProgramWasStartedToIgnoreStaysIgnored) {
    for (int signal : {SIGHUP, SIGINT}) {  // nohup; a script's background job
        SCOPED_TRACE(strsignal(signal));
        int quits = 0;
        rt::set_quit_handler([&] { ++quits; });
        std::signal(signal, SIG_IGN);
        rt::end_on_signals();
        std::raise(signal);
        DoEvents();
        EXPECT_EQ(quits, 0);
    }
}

// A pause blocks every event but the end: closing the window 100 ms in ends the program then,
// not when the pause is over.
TEST_F(Endings, ClosingTheWindowEndsAPauseAtOnce) {
    struct Case {
        const char* name;
        std::function<void()> wait;
    };
    const Case cases[] = {
        {"a long pause", [] { Sleep(5000); }},
        {"the start rows' animation",
         [] {
             schwierigkeit = 3;  // 63 steps of 75 ms
             spiel_initialisieren();
             loesche_spielfeld();
             fuelle_reihen(start_reihen);
             startreihen_aufbauen();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const uint32_t start = backend.clock;
        backend.schedule(InputEvent{}, start + 100);
        EXPECT_TRUE(ends_program(c.wait));
        EXPECT_LE(backend.clock - start, 175u);
        EXPECT_EQ(backend.pending_input(), 0u);
    }
}
}  // namespace
