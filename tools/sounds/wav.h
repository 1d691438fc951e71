#pragma once
#include <filesystem>

#include "sounds/kit.h"

namespace snd {

// Writes the sound as a RIFF WAVE file in the game's one format: PCM, 2 channels,
// 22050 samples/s, 16 bits, plain 44-byte header. Returns false if the file
// cannot be written.
bool write_wav(const std::filesystem::path& file, const Stereo& sound);

}  // namespace snd
