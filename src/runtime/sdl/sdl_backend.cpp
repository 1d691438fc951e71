#include "runtime/sdl/sdl_backend.h"

#include <SDL_syswm.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <poll.h>
#include <random>
#include <stdexcept>
#include <string_view>

#include "runtime/sdl/surface.h"

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

SdlLibraries::SdlLibraries() {
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // The runtime handles the signals itself, the same way for all four (end_on_signals).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    skip_wayland_without_runtime_folder();
    // SDL opens an X input method, which reads the locale's whole compose table (some 10 ms
    // of the start). The game takes keys, never composed text: an empty table will do, unless
    // the player named one.
    SDL_setenv("XCOMPOSEFILE", "/dev/null", 0);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
        throw std::runtime_error(std::string("cannot open the display: ") + SDL_GetError());
    if (const std::string refused = refuse_invisible_driver(); !refused.empty()) {
        SDL_Quit();
        throw std::runtime_error(refused);
    }
    if (TTF_Init() != 0) {
        const std::string error = std::string("cannot start the font renderer: ") + TTF_GetError();
        SDL_Quit();
        throw std::runtime_error(error);
    }
}

SdlLibraries::~SdlLibraries() {
    TTF_Quit();
    SDL_Quit();
}

bool SdlAudio::open(int channels, std::string& error) {
    if (open_) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return false;
    }
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 512) != 0) {
        error = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(channels);
    open_ = true;
    return true;
}

void SdlAudio::close() {
    if (!open_) return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

SdlBackend::SdlBackend() = default;

SdlBackend::~SdlBackend() {
    for (int slot = 0; slot < static_cast<int>(chunks_.size()); ++slot) release_sound(slot);
}

uint32_t SdlBackend::now_ms() { return SDL_GetTicks(); }

// A long pause is taken in short pieces so that closing the window is noticed within one.
void SdlBackend::sleep_ms(uint32_t ms) { SDL_Delay(std::min<uint32_t>(ms, 10)); }

uint32_t SdlBackend::clock_seed() { return std::random_device{}() ^ SDL_GetTicks(); }

bool SdlBackend::translate(const SDL_Event& e, InputEvent& event) {
    event = {};
    switch (e.type) {
        case SDL_QUIT: event.kind = InputEvent::Kind::Quit; return true;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            event.key = virtual_key(e.key.keysym.sym);
            event.kind = e.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
            event.repeat = e.key.repeat != 0;
            return event.key != 0;
        case SDL_MOUSEMOTION:
            event.kind = InputEvent::Kind::MouseMove;
            event.x = scaler_.frame_x(e.motion.x);
            event.y = scaler_.frame_y(e.motion.y);
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            event.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp;
            event.x = scaler_.frame_x(e.button.x);
            event.y = scaler_.frame_y(e.button.y);
            event.button = button_mask(e.button.button);
            return true;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                case SDL_WINDOWEVENT_SHOWN:
                case SDL_WINDOWEVENT_RESTORED:
                    repaint_all_ = true;
                    event.kind = InputEvent::Kind::Exposed;
                    return true;
                default: return false;
            }
        default: return false;
    }
}

bool SdlBackend::poll_event(InputEvent& event) {
    // Reading the display connection costs a system call or more; the game asks for input many
    // times a millisecond, so the connection is read at most once a millisecond and the events
    // it brought are handed out in between.
    const uint32_t now = SDL_GetTicks();
    if (now != last_pump_) {
        SDL_PumpEvents();
        last_pump_ = now;
    }
    SDL_Event e;
    for (;;) {
        if (holding_) {
            e = held_;
            holding_ = false;
        } else if (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1) {
            return false;
        }
        if (translate(e, event)) return true;
    }
}

void SdlBackend::wait_for_input(uint32_t max_ms) {
    if (holding_) return;
    const int timeout = static_cast<int>(std::min<uint32_t>(max_ms, INT32_MAX));
    if (connection_fd_ < 0) {
        holding_ = SDL_WaitEventTimeout(&held_, timeout) == 1;
        last_pump_ = SDL_GetTicks();
        return;
    }
    // SDL's own wait reads the connection three times around its sleep; here it is read once,
    // then the process sleeps until the connection brings more, a signal comes or time is up.
    SDL_PumpEvents();
    holding_ = SDL_PeepEvents(&held_, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
    if (!holding_) {
        pollfd connection{connection_fd_, POLLIN, 0};
        if (::poll(&connection, 1, timeout) != 0) {
            SDL_PumpEvents();
            holding_ = SDL_PeepEvents(&held_, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
        }
    }
    // Nothing came that was not read: the events are as fresh as now.
    last_pump_ = SDL_GetTicks();
}

SDL_Surface* SdlBackend::window_surface() {
    SDL_Surface* surface = SDL_GetWindowSurface(window_.get());
    if (!surface) throw std::runtime_error(std::string("cannot draw into the window: ") + SDL_GetError());
    if (surface->w != window_width_ || surface->h != window_height_) {
        window_width_ = surface->w;
        window_height_ = surface->h;
        scaler_.fit(kLogicalWidth, kLogicalHeight, surface->w, surface->h);
        repaint_all_ = true;
    }
    return surface;
}

void SdlBackend::present(const Image& frame, const std::vector<Rect>& changed) {
    if (!window_) return;
    SDL_Surface* surface = window_surface();
    show_window_once();
    const bool whole = repaint_all_;
    repaint_all_ = false;
    const bool direct = surface->format->BytesPerPixel == 4 && surface->format->Rmask == 0xFF0000u &&
                        surface->format->Gmask == 0xFF00u && surface->format->Bmask == 0xFFu;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    if (whole) SDL_FillRect(surface, nullptr, 0);
    uint32_t* pixels = static_cast<uint32_t*>(surface->pixels);
    int pitch = surface->pitch / 4;
    if (!direct) {
        staging_.resize(static_cast<size_t>(surface->w) * static_cast<size_t>(surface->h));
        pixels = staging_.data();
        pitch = surface->w;
    }
    sent_.clear();
    const Rect all{0, 0, frame.width, frame.height};
    for (const Rect& r : whole ? std::vector<Rect>{all} : changed) {
        const Rect out = scaler_.to_window(r);
        if (out.empty()) continue;
        scaler_.scale(frame, r, pixels, pitch);
        if (!direct) {
            const size_t at = static_cast<size_t>(out.y) * static_cast<size_t>(pitch) + static_cast<size_t>(out.x);
            SDL_ConvertPixels(out.w, out.h, SDL_PIXELFORMAT_RGB888, &staging_[at], pitch * 4, surface->format->format,
                              static_cast<uint8_t*>(surface->pixels) + out.y * surface->pitch +
                                  out.x * surface->format->BytesPerPixel,
                              surface->pitch);
        }
        sent_.push_back({out.x, out.y, out.w, out.h});
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    if (whole) sent_.assign(1, SDL_Rect{0, 0, surface->w, surface->h});
    if (!sent_.empty()) SDL_UpdateWindowSurfaceRects(window_.get(), sent_.data(), static_cast<int>(sent_.size()));
}

void SdlBackend::set_pointer(int x, int y) {
    if (!window_) return;
    // The pointer goes to the window pixel that shows the given pixel of the frame.
    SDL_WarpMouseInWindow(window_.get(), scaler_.window_x(x), scaler_.window_y(y));
}

DisplaySize SdlBackend::display_size() {
    if (window_) return {kLogicalWidth, kLogicalHeight};
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {kLogicalWidth, kLogicalHeight};
    return {mode.w, mode.h};
}

void SdlBackend::set_display_size(int width, int height) {
    // The game runs in a full-screen window of 800 × 600 logical pixels, scaled here, rather
    // than changing the monitor's mode; any other size gives the desktop back.
    if (width == kLogicalWidth && height == kLogicalHeight) open_window();
    else window_.reset();
}

void SdlBackend::open_window() {
    if (window_) return;
    // Created at the desktop's size, so that the window fills the screen even where no window
    // manager takes care of full-screen requests.
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) desktop.w = kLogicalWidth, desktop.h = kLogicalHeight;
    // Hidden until its first frame: a start that fails before it (a broken sound file) leaves
    // the screen alone instead of flashing an empty full-screen window.
    window_.reset(SDL_CreateWindow("Zandorix", 0, 0, desktop.w, desktop.h,
                                   SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN));
    window_shown_ = false;
    if (!window_) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
    // On X11 the window's pixels go to the server through shared memory. Left to itself SDL
    // would put an OpenGL texture in between, which without a graphics processor costs a
    // software rasterizer, a third of a second at start and a third of a core in play.
    if (std::string_view(SDL_GetCurrentVideoDriver()) == "x11") SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    repaint_all_ = true;
    window_surface();
    SDL_ShowCursor(SDL_ENABLE);
    connection_fd_ = -1;
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window_.get(), &info) && info.subsystem == SDL_SYSWM_X11)
        connection_fd_ = ConnectionNumber(info.info.x11.display);
#endif
}

void SdlBackend::show_window_once() {
    if (window_shown_) return;
    SDL_ShowWindow(window_.get());
    window_shown_ = true;
}

TTF_Font* SdlBackend::font(int point_size) {
    const size_t index = static_cast<size_t>(std::clamp(point_size, 1, static_cast<int>(fonts_.size()) - 1));
    if (!fonts_[index]) {
        // Point sizes are meant for a 96 dpi screen.
        fonts_[index].reset(TTF_OpenFontDPI(kFontPath, static_cast<int>(index), 96, 96));
        if (!fonts_[index] && !font_missing_reported_) {
            std::fprintf(stderr, "zandorix: cannot open the font %s (%s); texts stay empty\n", kFontPath,
                         TTF_GetError());
            font_missing_reported_ = true;
        }
    }
    return fonts_[index].get();
}

Image SdlBackend::render_text(const std::string& text, int point_size, uint32_t colour) {
    TTF_Font* f = font(point_size);
    if (!f || text.empty()) return {};
    const SDL_Color white{255, 255, 255, 255};
    const sdl::SurfacePtr rendered(TTF_RenderText_Blended(f, text.c_str(), white));
    if (!rendered) return {};
    Image image = surface_pixels(rendered.get());
    // The text's coverage stays in the top byte for blending; the colour is the label's.
    for (uint32_t& p : image.pixels) p = (p & 0xFF000000u) | (colour & 0x00FFFFFFu);
    return image;
}

bool SdlBackend::open_audio(std::string& error) { return audio_.open(static_cast<int>(chunks_.size()), error); }

bool SdlBackend::load_sound(int slot, const std::string& path, std::string& error) {
    if (slot < 0 || slot >= static_cast<int>(chunks_.size())) {
        error = "no such sound slot";
        return false;
    }
    if (!audio_.is_open()) {
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
        const sdl::WavPtr loaded(buffer);
        return true;
    }
    release_sound(slot);
    sdl::ChunkPtr& chunk = chunks_[static_cast<size_t>(slot)];
    chunk.reset(Mix_LoadWAV(path.c_str()));
    if (!chunk) {
        error = Mix_GetError();
        return false;
    }
    return true;
}

void SdlBackend::play_sound(int slot) {
    if (!audio_.is_open() || slot < 0 || slot >= static_cast<int>(chunks_.size())) return;
    if (Mix_Chunk* chunk = chunks_[static_cast<size_t>(slot)].get()) Mix_PlayChannel(slot, chunk, 0);
}

void SdlBackend::release_sound(int slot) {
    if (slot < 0 || slot >= static_cast<int>(chunks_.size())) return;
    sdl::ChunkPtr& chunk = chunks_[static_cast<size_t>(slot)];
    if (!chunk) return;
    Mix_HaltChannel(slot);
    chunk.reset();
}

std::string SdlBackend::program_folder() {
    const sdl::TextPtr base(SDL_GetBasePath());
    std::string folder = base ? base.get() : ".";
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}
}  // namespace rt
