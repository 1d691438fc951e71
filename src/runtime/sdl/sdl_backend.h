#pragma once
#include <array>
#include <string>

#include "runtime/backend.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct Mix_Chunk;
struct _TTF_Font;

namespace rt {
// The real backend: a full-screen window at 800 × 600 logical pixels, scaled with the aspect
// kept, SDL_mixer for the sound slots and SDL_ttf for label text.
class SdlBackend : public Backend {
public:
    // Fails with a message when there is no display.
    static bool start(std::string& error);
    SdlBackend();
    ~SdlBackend() override;

    uint32_t now_ms() override;
    void sleep_ms(uint32_t ms) override;
    uint32_t clock_seed() override;
    bool poll_event(InputEvent& event) override;
    void wait_for_input(uint32_t max_ms) override;
    void present(const Image& frame) override;
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
    void close_window();
    void show_window_once();
    _TTF_Font* font(int point_size);

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    bool window_shown_ = false;
    bool audio_open_ = false;
    std::array<Mix_Chunk*, 32> chunks_{};
    std::array<_TTF_Font*, 96> fonts_{};
    bool font_missing_reported_ = false;
};
}  // namespace rt
