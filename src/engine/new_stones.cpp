#include "engine/procedures.h"

void neuer_stein1(int16_t) {}

void neuer_stein2(int16_t) {}

void Spielfeld_voll() {}

void Spielfeld_voll2() {}
