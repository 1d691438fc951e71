#include "sounds/sounds.h"

#include <cstdio>
#include <string>
#include <system_error>

#include "sounds/kit.h"
#include "sounds/recipes.h"
#include "sounds/wav.h"

namespace {

struct SoundFile {
    const char* name;
    snd::Stereo (*recipe)();
    // Peak level. Sounds heard many times a second stay well down so they
    // never tire the ear or bury the rarer cues.
    double peak_dbfs;
};

const SoundFile kSounds[] = {
    {"0.wav", snd::cursor_tick, -17.0},  {"1.wav", snd::group_chime, -7.0},        {"2.wav", snd::swap_click, -14.0},
    {"3.wav", snd::stone_thud, -13.0},   {"4.wav", snd::crumble, -11.0},           {"5.wav", snd::heavy_thud, -8.0},
    {"6.wav", snd::clock_tick, -12.0},   {"7.wav", snd::alarm_two_tone, -10.5},    {"8.wav", snd::alarm_siren, -9.0},
    {"9.wav", snd::falling_tone, -10.5}, {"10.wav", snd::fanfare, -3.0},           {"11.wav", snd::lead_change, -8.0},
    {"12.wav", snd::game_over, -3.0},    {"13.wav", snd::highscore_button, -10.0}, {"14.wav", snd::menu_button, -10.0},
    {"15.wav", snd::pause_tone, -10.0},
};

}  // namespace

bool synth_sounds(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "zandorix-assets: cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
        return false;
    }
    bool ok = true;
    for (const SoundFile& s : kSounds) {
        snd::Stereo sound = s.recipe();
        snd::fade_edges(sound, 0.001, 0.003);
        snd::normalise(sound, s.peak_dbfs);
        const std::filesystem::path file = dir / s.name;
        if (!snd::write_wav(file, sound)) {
            std::fprintf(stderr, "zandorix-assets: cannot write %s\n", file.c_str());
            ok = false;
        }
    }
    return ok;
}
