#include "engine/procedures.h"

void show_score() {}

void show_speed() {}

void show_speed2() {}

void show_level() {}
