#include "support/game_test.h"

#include "frame/state.h"
#include "runtime/form.h"
#include "runtime/system.h"

void GameTest::SetUp() {
    rt::forget_all_forms();
    rt::reset_runtime();
    rt::install_backend(&backend);
    reset_program_state();
    Randomize(1);
}

void GameTest::TearDown() {
    rt::forget_all_forms();
    rt::reset_runtime();
    rt::install_backend(nullptr);
}
