#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/image.h"

// Windows virtual-key numbers, which the game's key handling is written in.
namespace vk {
constexpr int Back = 0x08, Return = 0x0D, Escape = 0x1B, Space = 0x20, PageUp = 0x21, PageDown = 0x22, Left = 0x25,
              Up = 0x26, Right = 0x27, Down = 0x28, Delete = 0x2E, A = 0x41, P = 0x50, Z = 0x5A;
}

struct InputEvent {
    enum class Kind { KeyDown, KeyUp, MouseMove, MouseDown, MouseUp, Exposed, Quit };
    Kind kind = Kind::Quit;
    int key = 0;          // virtual-key number for key events
    int x = 0, y = 0;     // pointer position in pixels of the 800 × 600 screen
    int button = 1;       // 1 left, 2 right, 4 middle
    bool repeat = false;  // a key held down that the keyboard repeats
};

struct DisplaySize {
    int width = 0;
    int height = 0;
};

// Everything the program takes from or gives to the outside world passes through one backend:
// the real one on SDL, or the scripted one that tests drive.
class Backend {
public:
    virtual ~Backend() = default;

    virtual uint32_t now_ms() = 0;
    // Sleeps ms, or less: Sleep sleeps again for the rest after looking for a quit.
    virtual void sleep_ms(uint32_t ms) = 0;
    // A seed for the random numbers taken from the clock (fixed in tests).
    virtual uint32_t clock_seed() = 0;
    // Takes the next pending input event, if any; never blocks.
    virtual bool poll_event(InputEvent& event) = 0;
    // Waits until input is pending or max_ms have passed.
    virtual void wait_for_input(uint32_t max_ms) = 0;

    // Shows the given rectangles of the 800 × 600 frame; the rest of the window keeps what it showed.
    virtual void present(const Image& frame, const std::vector<Rect>& changed) = 0;
    // Whether anybody looks at the frames; if not, none is composed.
    virtual bool shows_frames() { return true; }
    virtual void set_pointer(int x, int y) = 0;
    virtual DisplaySize display_size() = 0;
    virtual void set_display_size(int width, int height) = 0;

    // Bold text in the given colour on black, for labels.
    virtual Image render_text(const std::string& text, int point_size, uint32_t colour) = 0;

    // Sound slots: a slot plays its sound once, without looping and without waiting;
    // playing a slot that still sounds starts it again.
    virtual bool open_audio(std::string& error) = 0;
    virtual bool load_sound(int slot, const std::string& path, std::string& error) = 0;
    virtual void play_sound(int slot) = 0;
    virtual void release_sound(int slot) = 0;

    // The folder the program was started from, without a trailing separator.
    virtual std::string program_folder() = 0;
};
