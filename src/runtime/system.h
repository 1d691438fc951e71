#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "runtime/backend.h"

// The services the game takes from its surroundings: events, keys, time, pointer, random numbers,
// files and the end of the program. All of them go through the backend installed here.

namespace rt {
void install_backend(Backend* backend);
Backend& backend();

// What closing the window (or SIGTERM) does; the program ends through its own shutdown.
void set_quit_handler(std::function<void()> handler);

// Thrown by EndProgram and caught by the entry point, so every nested loop unwinds.
struct ProgramEnd {
    int exit_code = 0;
};

// Takes every input event the backend has without running a handler; keys update the key state.
void pump_input();
// Waits until input arrives (at most a fraction of a second) without running handlers, having
// shown what changed: for loops that poll keys while nothing runs on a clock (the pause).
void await_input();
// Lets pending events run as DoEvents does, but when none is pending it sleeps until input
// arrives instead of a millisecond: for waits in which nothing runs on a clock (menus).
void wait_events();
// Whether the window was closed (or SIGTERM came) and nobody has handled it yet.
bool quit_requested();
// Runs the quit handler now when the window was closed or a signal came (which ends the program).
void honour_quit();
// SIGTERM, SIGINT, SIGHUP and SIGQUIT end the program as closing the window does; a second
// one while it shuts down ends it at once. Signals the program was started to ignore stay ignored.
void end_on_signals();
// Why a file cannot be read, in the system's words ("No such file or directory"); empty when it can.
std::string why_unreadable(const std::string& path);
// Shows the frame now if anything changed since it was last shown.
void present_now();
// Forgets key state, queued events and the frame (tests start from nothing).
void reset_runtime();
}  // namespace rt

// Lets pending events run once: their handlers run inside this call. When nothing is pending
// it waits up to 1 ms, so that loops around it stay responsive without burning a processor.
void DoEvents();
// 0x8001 exactly when the key is down and was pressed since this key's previous query.
int16_t GetAsyncKeyState(int virtual_key);
uint32_t timeGetTime();
// Blocks without running events; the frame is shown first so animations step visibly.
// A closed window or a signal still ends the program at once.
void Sleep(uint32_t ms);
void SetCursorPos(int x, int y);

// Uniform in [0, 1), single precision.
float Rnd();
// Seeds the random numbers from the clock.
void Randomize();
// Seeds the random numbers with a fixed value (tests and replays).
void Randomize(uint32_t seed);

// The program's folder, without a trailing separator.
std::string AppPath();
bool FileExists(const std::string& path);
// Ends the program: unwinds to the entry point, which returns.
[[noreturn]] void EndProgram(int exit_code = 0);
