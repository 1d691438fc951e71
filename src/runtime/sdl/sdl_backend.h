#pragma once
#include <array>
#include <string>
#include <vector>

#include "runtime/backend.h"
#include "runtime/scaler.h"
#include "runtime/sdl/sdl_handles.h"

namespace rt {
// SDL's video and timer parts and its font renderer: started together, shut down together.
class SdlLibraries {
public:
    // Throws std::runtime_error when there is no display.
    SdlLibraries();
    ~SdlLibraries();
    SdlLibraries(const SdlLibraries&) = delete;
    SdlLibraries& operator=(const SdlLibraries&) = delete;
};

// The sound device, open from a successful open_audio until the backend goes.
class SdlAudio {
public:
    SdlAudio() = default;
    ~SdlAudio() { close(); }
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;
    bool open(int channels, std::string& error);
    void close();
    bool is_open() const { return open_; }

private:
    bool open_ = false;
};

// The real backend: a full-screen window showing the 800 × 600 frame scaled sharply with its
// aspect kept, drawn straight into the window's own pixels (no OpenGL, which has no graphics
// processor behind it on most machines that run this); SDL_mixer for the sound slots and
// SDL_ttf for label text.
class SdlBackend final : public Backend {
public:
    // Throws std::runtime_error when there is no display.
    SdlBackend();
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    uint32_t now_ms() override;
    void sleep_ms(uint32_t ms) override;
    uint32_t clock_seed() override;
    bool poll_event(InputEvent& event) override;
    void wait_for_input(uint32_t max_ms) override;
    void present(const Image& frame, const std::vector<Rect>& changed) override;
    void set_pointer(int x, int y) override;
    DisplaySize display_size() override;
    void set_display_size(int width, int height) override;
    Image render_text(const std::string& text, int point_size, uint32_t colour) override;
    bool open_audio(std::string& error) override;
    bool load_sound(int slot, const std::string& path, std::string& error) override;
    void play_sound(int slot) override;
    void release_sound(int slot) override;
    std::string program_folder() override;

private:
    void open_window();
    SDL_Surface* window_surface();
    void show_window_once();
    bool translate(const SDL_Event& e, InputEvent& event);
    TTF_Font* font(int point_size);

    // Declared first: started before and shut down after every handle below.
    SdlLibraries libraries_;
    sdl::WindowPtr window_;
    bool window_shown_ = false;
    Scaler scaler_;
    int window_width_ = 0, window_height_ = 0;
    bool repaint_all_ = true;        // the window lost what it showed, or changed its size
    std::vector<SDL_Rect> sent_;     // window rectangles of one present
    std::vector<uint32_t> staging_;  // for windows whose pixels are not 0x00RRGGBB
    uint32_t last_pump_ = 0;
    int connection_fd_ = -1;  // the display server's connection, where SDL has one
    SDL_Event held_{};        // taken while waiting, handed out first
    bool holding_ = false;
    SdlAudio audio_;
    std::array<sdl::ChunkPtr, 32> chunks_;  // after audio_: freed before the device closes
    std::array<sdl::FontPtr, 96> fonts_;
    bool font_missing_reported_ = false;
};
}  // namespace rt
