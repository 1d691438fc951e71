#include <array>
#include <cstdio>

#include "engine/game_screen.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"

namespace {
struct SoundSlot {
    int16_t slot;
    const char* file;
};

// In load order. Slot 12 is a second buffer of "1.wav", so that both boards' groups can sound
// together; "12.wav" to "15.wav" go to slots 13, 15, 14, 16.
constexpr std::array<SoundSlot, 17> kSlots = {{
    {0, "0.wav"},
    {1, "1.wav"},
    {2, "2.wav"},
    {3, "3.wav"},
    {4, "4.wav"},
    {5, "5.wav"},
    {6, "6.wav"},
    {7, "7.wav"},
    {8, "8.wav"},
    {9, "9.wav"},
    {10, "10.wav"},
    {11, "11.wav"},
    {12, "1.wav"},
    {13, "12.wav"},
    {15, "13.wav"},
    {14, "14.wav"},
    {16, "15.wav"},
}};
constexpr int16_t kSlotCount = 17;
}  // namespace

void create_sound_device() {
    // The sounds belong to the game screen's window, so the screen must exist by now.
    (void)Form1->hWnd();
    std::string error;
    if (!rt::backend().open_audio(error)) {
        // Common on Linux machines without a sound card: the game goes on without sound.
        std::fprintf(stderr, "zandorix: found no audio device (%s); playing without sound\n", error.c_str());
    }
    for (const SoundSlot& entry : kSlots) sound_laden(sound_pfad + entry.file, entry.slot);
}

void sound_laden(const std::string& datei, int16_t nummer) {
    // A file that cannot be read is told in the system's words, not in the mixer's.
    std::string error = rt::why_unreadable(datei);
    if (error.empty() && rt::backend().load_sound(nummer, datei, error)) return;
    // Without its sounds the installation is broken: say which file, give the display back, end.
    std::fprintf(stderr, "zandorix: cannot load the sound file %s: %s\n", datei.c_str(), error.c_str());
    aufloesung_setzen(alte_breite, alte_hoehe);
    EndProgram(1);
}

void release_sounds() {
    for (int16_t slot = 0; slot < kSlotCount; ++slot) rt::backend().release_sound(slot);
}

void play_sound(int16_t slot) { rt::backend().play_sound(slot); }
