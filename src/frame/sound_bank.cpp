#include "frame/procedures.h"
#include "runtime/system.h"

void sound_geraet_erstellen() {}

void sound_laden(const std::string&, int16_t) {}

void sound_freigeben() {}

void sound_spielen(int16_t slot) { rt::backend().play_sound(slot); }
