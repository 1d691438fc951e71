#pragma once
#include <map>
#include <string>
#include <vector>

#include "runtime/backend.h"

namespace rt {
// A backend for tests: a fake clock that only the test and Sleep move, scripted input,
// a record of every sound played, and the last frame shown.
class TestBackend : public Backend {
public:
    // --- driven by the test
    uint32_t clock = 0;
    void advance(uint32_t ms) { clock += ms; }
    // Input that arrives at the given time (now when omitted).
    void schedule(const InputEvent& event, uint32_t at_ms);
    void key_down(int key, uint32_t at_ms);
    void key_up(int key, uint32_t at_ms);
    void key_down(int key) { key_down(key, clock); }
    void key_up(int key) { key_up(key, clock); }
    // A quick press and release, both before the next poll.
    void tap(int key) {
        key_down(key);
        key_up(key);
    }
    void mouse_move(int x, int y);
    void click(int x, int y);
    void close_window();
    size_t pending_input() const { return script_.size(); }

    uint32_t seed = 12345;
    bool audio_available = true;
    std::string folder = ".";
    DisplaySize display{1280, 1024};

    // --- recorded
    std::vector<int> sounds_played;
    std::map<int, std::string> sounds_loaded;  // slot → path
    std::vector<int> sounds_released;
    std::vector<DisplaySize> display_changes;
    int pointer_x = -1, pointer_y = -1;
    Image frame;                // the last frame shown
    std::vector<Rect> changed;  // the rectangles it sent
    int frames_shown = 0;
    bool keep_frames = true;  // long replays look at the game's state, not at frames

    // --- Backend
    uint32_t now_ms() override { return clock; }
    // Wakes early for scripted input, as the real one does within a few milliseconds.
    void sleep_ms(uint32_t ms) override;
    uint32_t clock_seed() override { return seed; }
    bool poll_event(InputEvent& event) override;
    void wait_for_input(uint32_t max_ms) override;
    void present(const Image& shown, const std::vector<Rect>& rects) override;
    bool shows_frames() override { return keep_frames; }
    void set_pointer(int x, int y) override;
    DisplaySize display_size() override { return display; }
    void set_display_size(int width, int height) override;
    Image render_text(const std::string& text, int point_size, uint32_t colour) override;
    bool open_audio(std::string& error) override;
    bool load_sound(int slot, const std::string& path, std::string& error) override;
    void play_sound(int slot) override { sounds_played.push_back(slot); }
    void release_sound(int slot) override { sounds_released.push_back(slot); }
    std::string program_folder() override { return folder; }

private:
    std::multimap<uint32_t, InputEvent> script_;
};
}  // namespace rt
