#include "support/fresh_start.h"

#include "frame/state.h"
#include "runtime/form.h"
#include "runtime/system.h"

void fresh_start(rt::TestBackend& backend) {
    rt::forget_all_forms();
    rt::reset_runtime();
    rt::install_backend(&backend);
    reset_program_state();
    Randomize(1);
}

void leave_fresh_start() {
    rt::forget_all_forms();
    rt::reset_runtime();
    rt::install_backend(nullptr);
}
