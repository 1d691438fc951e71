#include "engine/procedures.h"

void fall_down() {}

void fall_down2() {}
