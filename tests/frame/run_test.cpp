#include "frame/run.h"

#include <functional>
#include <stdexcept>
#include <string>

#include "engine/game_screen.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "support/game_test.h"
#include "support/menu_player.h"
#include "support/temp_folder.h"

namespace {
// A backend whose first sound fails: an error deep inside a handler (the menu's Start).
class FailingBackend : public rt::TestBackend {
public:
    std::function<void()> fail;
    void play_sound(int slot) override {
        if (fail) std::exchange(fail, nullptr)();
        TestBackend::play_sound(slot);
    }
};

class RunProgram : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        rt::install_backend(&failing);
        // The test's own program folder: the sounds, and no player's high-score file.
        folder.link_sounds();
        failing.folder = folder.path().string();
        failing.display = {1920, 1080};
    }
    FailingBackend failing;
    TempFolder folder;
};

// An error nobody planned for leaves through the orderly shutdown: one line on standard error,
// the sounds and screens released, the display given back, status 1; not terminate.
TEST_F(RunProgram, AnUnexpectedErrorEndsThroughTheShutdown) {
    struct Case {
        const char* name;
        std::function<void()> fail;
        const char* said;
    };
    const Case cases[] = {
        {"a standard exception", [] { throw std::runtime_error("the stones ran out"); }, "the stones ran out"},
        {"anything else thrown", [] { throw 42; }, "unknown kind"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        failing.fail = c.fail;
        failing.display_changes.clear();
        failing.sounds_released.clear();
        start_from_menu(failing);
        failing.schedule(InputEvent{}, failing.clock + 60'000);  // should the Start not happen
        const std::string said = stderr_of([] { EXPECT_EQ(run_program([] { Main(); }), 1); });
        EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_EQ(values(failing.sounds_released.size(), Form1.loaded(), Form2.loaded()), values(17, false, false));
        ASSERT_FALSE(failing.display_changes.empty());
        EXPECT_EQ(values(failing.display_changes.back().width, failing.display_changes.back().height),
                  values(1920, 1080));
    }
}

TEST_F(RunProgram, ClosingTheWindowEndsTheProgramWithStatusZero) {
    failing.close_window();
    EXPECT_EQ(run_program([] { Main(); }), 0);
    ASSERT_FALSE(failing.display_changes.empty());
    EXPECT_EQ(failing.display_changes.back().width, 1920);
}
}  // namespace
