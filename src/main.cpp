// Zandorix: the entry point puts the program on SDL and runs it until it ends.
#include <cstdio>
#include <exception>
#include <string>

#include "frame/procedures.h"
#include "runtime/sdl/sdl_backend.h"
#include "runtime/system.h"

int main() {
    try {
        rt::SdlBackend backend;
        rt::install_backend(&backend);
        // Closing the window ends the program the orderly way, giving the display back.
        rt::set_quit_handler([] { programm_beenden(); });
        try {
            Main();
            // After the first game the program lives on in its screens' event handlers.
            for (;;) rt::wait_events();
        } catch (const rt::ProgramEnd& end) {
            rt::install_backend(nullptr);
            return end.exit_code;
        }
    } catch (const std::exception& error) {
        // The backend is gone by now: the display is given back before the message.
        rt::install_backend(nullptr);
        std::fprintf(stderr, "zandorix: %s\n", error.what());
        return 1;
    }
}
