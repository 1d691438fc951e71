// Zandorix: the entry point puts the program on SDL and runs it until it ends.
#include <cstdio>
#include <string>

#include "frame/procedures.h"
#include "frame/run.h"
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
    return run_program([] {
        Main();
        // After the first game the program lives on in its screens' event handlers.
        for (;;) DoEvents();
    });
}
