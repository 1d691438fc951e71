#include "runtime/test_backend.h"

#include <algorithm>
#include <fstream>

namespace rt {
void TestBackend::schedule(const InputEvent& event, uint32_t at_ms) { script_.emplace(at_ms, event); }

void TestBackend::key_down(int key, uint32_t at_ms) {
    InputEvent event;
    event.kind = InputEvent::Kind::KeyDown;
    event.key = key;
    schedule(event, at_ms);
}

void TestBackend::key_up(int key, uint32_t at_ms) {
    InputEvent event;
    event.kind = InputEvent::Kind::KeyUp;
    event.key = key;
    schedule(event, at_ms);
}

void TestBackend::mouse_move(int x, int y) {
    InputEvent event;
    event.kind = InputEvent::Kind::MouseMove;
    event.x = x;
    event.y = y;
    schedule(event, clock);
}

void TestBackend::click(int x, int y) {
    mouse_move(x, y);
    InputEvent event;
    event.x = x;
    event.y = y;
    event.kind = InputEvent::Kind::MouseDown;
    schedule(event, clock);
    event.kind = InputEvent::Kind::MouseUp;
    schedule(event, clock);
}

void TestBackend::close_window() { schedule(InputEvent{}, clock); }

bool TestBackend::poll_event(InputEvent& event) {
    if (script_.empty() || script_.begin()->first > clock) return false;
    event = script_.begin()->second;
    script_.erase(script_.begin());
    return true;
}

void TestBackend::sleep_ms(uint32_t ms) {
    uint32_t until = clock + ms;
    if (!script_.empty() && script_.begin()->first > clock) until = std::min(until, script_.begin()->first);
    clock = until;
}

void TestBackend::wait_for_input(uint32_t max_ms) {
    // Time passes as it would on a real machine: up to the next input, at most max_ms.
    uint32_t until = clock + max_ms;
    if (!script_.empty()) until = std::min(until, std::max(clock, script_.begin()->first));
    clock = until;
}

void TestBackend::present(const Image& shown, const std::vector<Rect>& rects) {
    frame = shown;
    changed = rects;
    ++frames_shown;
}

void TestBackend::set_pointer(int x, int y) {
    pointer_x = x;
    pointer_y = y;
}

void TestBackend::set_display_size(int width, int height) {
    display = {width, height};
    display_changes.push_back(display);
}

Image TestBackend::render_text(const std::string& text, int point_size, uint32_t colour) {
    // A solid block per character is enough to see where text stands.
    const int cell = std::max(1, point_size * 96 / 72 / 2);
    return Image(cell * static_cast<int>(text.size()), 2 * cell, colour | 0xFF000000u);
}

bool TestBackend::open_audio(std::string& error) {
    if (!audio_available) error = "no audio device";
    return audio_available;
}

bool TestBackend::load_sound(int slot, const std::string& path, std::string& error) {
    if (!std::ifstream(path)) {
        error = "cannot open " + path;
        return false;
    }
    sounds_loaded[slot] = path;
    return true;
}
}  // namespace rt
