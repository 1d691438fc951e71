#include "engine/procedures.h"

void show_points(int16_t, int16_t) {}
