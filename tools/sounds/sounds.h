#pragma once
#include <filesystem>

// Synthesises the sixteen wave files "0.wav" .. "15.wav" into dir. Returns false on any failure.
bool synth_sounds(const std::filesystem::path& dir);
