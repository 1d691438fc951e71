#include "engine/procedures.h"

void spiel_lauft() {}

void waiting() {}

void schneller_oder_nicht() {}
