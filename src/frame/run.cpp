#include "frame/run.h"

#include <cstdio>
#include <exception>

#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"

namespace {
// The shutdown Escape takes, for an end that nobody planned.
void shut_down_after_error() {
    try {
        programm_beenden();
    } catch (const rt::ProgramEnd&) {
        return;
    } catch (...) {}
    // The shutdown itself failed part way: the display at least goes back.
    try {
        aufloesung_setzen(alte_breite, alte_hoehe);
    } catch (...) {}
}
}  // namespace

int run_program(const std::function<void()>& program) {
    rt::end_on_signals();
    rt::set_quit_handler([] { programm_beenden(); });
    try {
        program();
        return 0;
    } catch (const rt::ProgramEnd& end) {
        return end.exit_code;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zandorix: ending after an unexpected error: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "zandorix: ending after an unexpected error of unknown kind\n");
    }
    shut_down_after_error();
    return 1;
}
