#include "runtime/sdl/sdl_backend.h"

#include "runtime/sdl/surface.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace rt {
namespace {
constexpr int kLogicalWidth = 800;
constexpr int kLogicalHeight = 600;
constexpr const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

int virtual_key(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 0x41 + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return 0x30 + (key - SDLK_0);
    switch (key) {
        case SDLK_BACKSPACE: return vk::Back;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return vk::Return;
        case SDLK_ESCAPE: return vk::Escape;
        case SDLK_SPACE: return vk::Space;
        case SDLK_PAGEUP: return vk::PageUp;
        case SDLK_PAGEDOWN: return vk::PageDown;
        case SDLK_LEFT: return vk::Left;
        case SDLK_UP: return vk::Up;
        case SDLK_RIGHT: return vk::Right;
        case SDLK_DOWN: return vk::Down;
        case SDLK_DELETE: return vk::Delete;
        default: return 0;
    }
}

int button_mask(uint8_t button) {
    switch (button) {
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 4;
        default: return 1;
    }
}

// libwayland complains on standard error when it has no runtime folder, and it cannot connect
// without one anyway: SDL tries every other driver then.
void skip_wayland_without_runtime_folder() {
    if (SDL_getenv("SDL_VIDEODRIVER") || SDL_getenv("XDG_RUNTIME_DIR")) return;
    std::string drivers;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string name = SDL_GetVideoDriver(i);
        if (name != "wayland") drivers += (drivers.empty() ? "" : ",") + name;
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}

// Without a display SDL falls back to drivers that show nothing; a game nobody sees would run
// on unnoticed. They are taken only when asked for by name (SDL_VIDEODRIVER).
std::string refuse_invisible_driver() {
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (asked && *asked) return "";
    const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if (driver != "offscreen" && driver != "dummy" && driver != "evdev") return "";
    const char* display = SDL_getenv("DISPLAY");
    if (!display || !*display) return "cannot open a display: DISPLAY is not set (no desktop session?)";
    return std::string("cannot open the display ") + display + ": no X server answers there";
}
}  // namespace

bool SdlBackend::start(std::string& error) {
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // The runtime handles the signals itself, the same way for all four (end_on_signals).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    skip_wayland_without_runtime_folder();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        error = std::string("cannot open the display: ") + SDL_GetError();
        return false;
    }
    error = refuse_invisible_driver();
    if (!error.empty()) {
        SDL_Quit();
        return false;
    }
    if (TTF_Init() != 0) {
        error = std::string("cannot start the font renderer: ") + TTF_GetError();
        SDL_Quit();
        return false;
    }
    return true;
}

SdlBackend::SdlBackend() = default;

SdlBackend::~SdlBackend() {
    for (int slot = 0; slot < static_cast<int>(chunks_.size()); ++slot) release_sound(slot);
    if (audio_open_) Mix_CloseAudio();
    for (_TTF_Font* f : fonts_)
        if (f) TTF_CloseFont(f);
    close_window();
    TTF_Quit();
    SDL_Quit();
}

uint32_t SdlBackend::now_ms() { return SDL_GetTicks(); }

// A long pause is taken in short pieces so that closing the window is noticed within one.
void SdlBackend::sleep_ms(uint32_t ms) { SDL_Delay(std::min<uint32_t>(ms, 10)); }

uint32_t SdlBackend::clock_seed() { return std::random_device{}() ^ SDL_GetTicks(); }

bool SdlBackend::poll_event(InputEvent& event) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT: event = {}; event.kind = InputEvent::Kind::Quit; return true;
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                const int key = virtual_key(e.key.keysym.sym);
                if (key == 0) break;
                event = {};
                event.kind = e.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
                event.key = key;
                event.repeat = e.key.repeat != 0;
                return true;
            }
            case SDL_MOUSEMOTION:
                event = {};
                event.kind = InputEvent::Kind::MouseMove;
                event.x = e.motion.x;
                event.y = e.motion.y;
                return true;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                event = {};
                event.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp;
                event.x = e.button.x;
                event.y = e.button.y;
                event.button = button_mask(e.button.button);
                return true;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                    e.window.event == SDL_WINDOWEVENT_SHOWN || e.window.event == SDL_WINDOWEVENT_RESTORED) {
                    event = {};
                    event.kind = InputEvent::Kind::Exposed;
                    return true;
                }
                break;
            default: break;
        }
    }
    return false;
}

void SdlBackend::wait_for_input(uint32_t max_ms) {
    if (SDL_WaitEventTimeout(nullptr, static_cast<int>(max_ms)) == 0) return;
}

void SdlBackend::present(const Image& frame) {
    if (!texture_) return;
    show_window_once();
    SDL_UpdateTexture(texture_, nullptr, frame.pixels.data(), frame.width * 4);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void SdlBackend::set_pointer(int x, int y) {
    if (!window_) return;
    // The frame is scaled into the window; the pointer goes to the same spot of the frame.
    SDL_Rect viewport;
    float scale_x = 1, scale_y = 1;
    SDL_RenderGetViewport(renderer_, &viewport);
    SDL_RenderGetScale(renderer_, &scale_x, &scale_y);
    SDL_WarpMouseInWindow(window_, static_cast<int>((x + viewport.x) * scale_x),
                          static_cast<int>((y + viewport.y) * scale_y));
}

DisplaySize SdlBackend::display_size() {
    if (window_) return {kLogicalWidth, kLogicalHeight};
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {kLogicalWidth, kLogicalHeight};
    return {mode.w, mode.h};
}

void SdlBackend::set_display_size(int width, int height) {
    // The game runs in a full-screen window of 800 × 600 logical pixels, scaled by the renderer,
    // rather than changing the monitor's mode; any other size gives the desktop back.
    if (width == kLogicalWidth && height == kLogicalHeight) open_window();
    else close_window();
}

void SdlBackend::open_window() {
    if (window_) return;
    // Created at the desktop's size, so that the window fills the screen even where no window
    // manager takes care of full-screen requests.
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) desktop.w = kLogicalWidth, desktop.h = kLogicalHeight;
    // Hidden until its first frame: a start that fails before it (a broken sound file) leaves
    // the screen alone instead of flashing an empty full-screen window.
    window_ = SDL_CreateWindow("Zandorix", 0, 0, desktop.w, desktop.h,
                               SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    window_shown_ = false;
    if (!window_) {
        std::fprintf(stderr, "zandorix: cannot open a window: %s\n", SDL_GetError());
        return;
    }
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        std::fprintf(stderr, "zandorix: cannot draw into the window: %s\n", SDL_GetError());
        return;
    }
    SDL_RenderSetLogicalSize(renderer_, kLogicalWidth, kLogicalHeight);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 kLogicalWidth, kLogicalHeight);
    SDL_ShowCursor(SDL_ENABLE);
}

void SdlBackend::show_window_once() {
    if (window_shown_) return;
    SDL_ShowWindow(window_);
    window_shown_ = true;
}

void SdlBackend::close_window() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

_TTF_Font* SdlBackend::font(int point_size) {
    const size_t index = static_cast<size_t>(std::clamp(point_size, 1, static_cast<int>(fonts_.size()) - 1));
    if (!fonts_[index]) {
        // Point sizes are meant for a 96 dpi screen.
        fonts_[index] = TTF_OpenFontDPI(kFontPath, static_cast<int>(index), 96, 96);
        if (!fonts_[index] && !font_missing_reported_) {
            std::fprintf(stderr, "zandorix: cannot open the font %s (%s); texts stay empty\n", kFontPath,
                         TTF_GetError());
            font_missing_reported_ = true;
        }
    }
    return fonts_[index];
}

Image SdlBackend::render_text(const std::string& text, int point_size, uint32_t colour) {
    _TTF_Font* f = font(point_size);
    if (!f || text.empty()) return {};
    const SDL_Color white{255, 255, 255, 255};
    SDL_Surface* rendered = TTF_RenderText_Blended(f, text.c_str(), white);
    if (!rendered) return {};
    Image image = surface_pixels(rendered);
    SDL_FreeSurface(rendered);
    // The text's coverage stays in the top byte for blending; the colour is the label's.
    for (uint32_t& p : image.pixels) p = (p & 0xFF000000u) | (colour & 0x00FFFFFFu);
    return image;
}

bool SdlBackend::open_audio(std::string& error) {
    if (audio_open_) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return false;
    }
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 512) != 0) {
        error = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(static_cast<int>(chunks_.size()));
    audio_open_ = true;
    return true;
}

bool SdlBackend::load_sound(int slot, const std::string& path, std::string& error) {
    if (slot < 0 || slot >= static_cast<int>(chunks_.size())) {
        error = "no such sound slot";
        return false;
    }
    if (!audio_open_) {
        // Without an audio device the game runs silent; the file must still be sound.
        SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
        if (!file) {
            error = SDL_GetError();
            return false;
        }
        SDL_AudioSpec spec;
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        if (!SDL_LoadWAV_RW(file, 1, &spec, &buffer, &length)) {
            error = SDL_GetError();
            return false;
        }
        SDL_FreeWAV(buffer);
        return true;
    }
    release_sound(slot);
    chunks_[static_cast<size_t>(slot)] = Mix_LoadWAV(path.c_str());
    if (!chunks_[static_cast<size_t>(slot)]) {
        error = Mix_GetError();
        return false;
    }
    return true;
}

void SdlBackend::play_sound(int slot) {
    if (!audio_open_ || slot < 0 || slot >= static_cast<int>(chunks_.size())) return;
    if (Mix_Chunk* chunk = chunks_[static_cast<size_t>(slot)]) Mix_PlayChannel(slot, chunk, 0);
}

void SdlBackend::release_sound(int slot) {
    if (slot < 0 || slot >= static_cast<int>(chunks_.size())) return;
    Mix_Chunk*& chunk = chunks_[static_cast<size_t>(slot)];
    if (!chunk) return;
    Mix_HaltChannel(slot);
    Mix_FreeChunk(chunk);
    chunk = nullptr;
}

std::string SdlBackend::program_folder() {
    char* base = SDL_GetBasePath();
    std::string folder = base ? base : ".";
    SDL_free(base);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}
}  // namespace rt
