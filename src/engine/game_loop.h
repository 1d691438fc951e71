#pragma once
#include <cstdint>

// The game loop in parts, so that a pass can be run and watched on its own.

// When each timed step of the loop last ran (millisecond time at the end of its work).
struct StepTimes {
    uint32_t computer = 0;  // computer tick
    uint32_t gravity = 0;
    uint32_t stone1 = 0;  // new stone, board 1
    uint32_t stone2 = 0;  // new stone, board 2
    uint32_t meter1 = 0;  // attack-stone meter, board 1
    uint32_t meter2 = 0;  // attack-stone meter, board 2
};

// The start of a game loop: every step time and the clock second begin now.
StepTimes loop_start();
// One pass of the loop after its end test: events, keys, computer, redraw and the timed steps.
void loop_pass(StepTimes& t);
// The computer's move toward the target that wohin2 has set: one cursor step, and the swap
// once the cursor stands on the target.
void computer_move();
