#include "sounds/wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

namespace snd {

namespace {

constexpr std::uint16_t kChannels = 2;
constexpr std::uint16_t kBits = 16;
constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;

// WAVE fields are little-endian whatever the host is.
void put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void put32(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
}

std::uint16_t to_pcm(float v) {
    const long s = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
    return static_cast<std::uint16_t>(static_cast<std::int16_t>(s));
}

}  // namespace

bool write_wav(const std::filesystem::path& file, const Stereo& sound) {
    const std::size_t frames = std::max(sound.left.size(), sound.right.size());
    const auto data_bytes = static_cast<std::uint32_t>(frames * kBlockAlign);

    std::string out;
    out.reserve(44 + data_bytes);
    out += "RIFF";
    put32(out, 36 + data_bytes);
    out += "WAVE";
    out += "fmt ";
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, kChannels);
    put32(out, kRate);
    put32(out, kRate * kBlockAlign);
    put16(out, kBlockAlign);
    put16(out, kBits);
    out += "data";
    put32(out, data_bytes);
    for (std::size_t i = 0; i < frames; ++i) {
        put16(out, to_pcm(i < sound.left.size() ? sound.left[i] : 0.0f));
        put16(out, to_pcm(i < sound.right.size() ? sound.right[i] : 0.0f));
    }

    std::ofstream f(file, std::ios::binary | std::ios::trunc);
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    f.close();
    return static_cast<bool>(f);
}

}  // namespace snd
