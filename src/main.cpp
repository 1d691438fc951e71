// Zandorix: the entry point puts the program on SDL and runs it until it ends.
#include <cstdio>
#include <string>

#include "frame/procedures.h"
#include "runtime/sdl/sdl_backend.h"
#include "runtime/system.h"

int main() {
    std::string error;
    if (!rt::SdlBackend::start(error)) {
        std::fprintf(stderr, "zandorix: %s\n", error.c_str());
        return 1;
    }
    rt::SdlBackend backend;
    rt::install_backend(&backend);
    // Closing the window ends the program the orderly way, giving the display back.
    rt::set_quit_handler([] { programm_beenden(); });
    try {
        Main();
        // After the first game the program lives on in its screens' event handlers.
        for (;;) DoEvents();
    } catch (const rt::ProgramEnd& end) {
        return end.exit_code;
    }
}
