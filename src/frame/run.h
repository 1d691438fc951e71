#pragma once
#include <functional>

// Runs the program (Main and then the screens' events, as the entry point gives it) until it
// ends, and returns its exit status. Closing the window and the signals end it the orderly way;
// so does an error nobody expected: it is told in one line on standard error, the sounds and
// screens are released, the display is given back, and the status is 1.
int run_program(const std::function<void()>& program);
