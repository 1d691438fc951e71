#include "sounds/sounds.h"

bool synth_sounds(const std::filesystem::path&) { return true; }
