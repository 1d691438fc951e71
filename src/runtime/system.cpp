#include "runtime/system.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "runtime/desktop.h"
#include "runtime/tool_tip.h"

namespace rt {
namespace {
constexpr uint32_t kFrameMs = 16;  // at most about 60 shown frames a second
// A wait for input wakes now and then all the same, so that nothing can keep it asleep for long.
constexpr uint32_t kLongWaitMs = 100;

volatile std::sig_atomic_t signal_came = 0;

void note_signal(int) { signal_came = 1; }

struct KeyState {
    bool down = false;
    bool pressed = false;  // pressed since this key's previous query
};

struct RuntimeState {
    Backend* backend = nullptr;
    std::function<void()> quit_handler;
    std::array<KeyState, 256> keys{};
    std::deque<InputEvent> queue;
    bool quit_queued = false;  // a Quit waits in the queue
    bool dirty = true;
    uint32_t last_present = 0;
    std::mt19937 random{5489u};
};

RuntimeState& state() {
    static RuntimeState s;
    return s;
}

void note_key(const InputEvent& event) {
    if (event.key < 0 || event.key >= 256) return;
    KeyState& key = state().keys[static_cast<size_t>(event.key)];
    if (event.kind == InputEvent::Kind::KeyDown) {
        if (!key.down && !event.repeat) key.pressed = true;  // a held key counts once
        key.down = true;
    } else if (event.kind == InputEvent::Kind::KeyUp) {
        key.down = false;
    }
}

void present_if_due(bool force) {
    RuntimeState& s = state();
    if (!s.dirty) return;
    const uint32_t now = s.backend->now_ms();
    if (!force && now - s.last_present < kFrameMs) return;
    s.dirty = false;
    s.last_present = now;
    if (!s.backend->shows_frames()) return;
    // Only what changed goes out; a window that lost its picture reports an expose.
    const Image& frame = desktop().compose();
    if (!desktop().changed().empty()) s.backend->present(frame, desktop().changed());
}
}  // namespace

void mark_dirty() { state().dirty = true; }

void install_backend(Backend* b) { state().backend = b; }

Backend& backend() {
    if (!state().backend) throw std::logic_error("no backend installed");
    return *state().backend;
}

void set_quit_handler(std::function<void()> handler) { state().quit_handler = std::move(handler); }

namespace {
void queue_event(const InputEvent& event) {
    RuntimeState& s = state();
    note_key(event);
    switch (event.kind) {
        case InputEvent::Kind::Exposed: desktop().expose(); break;
        case InputEvent::Kind::MouseMove:
            // Only where the pointer is now matters: while nobody takes events (a pause),
            // a moving pointer must not pile them up.
            if (!s.queue.empty() && s.queue.back().kind == InputEvent::Kind::MouseMove) s.queue.back() = event;
            else s.queue.push_back(event);
            break;
        case InputEvent::Kind::Quit:
            if (!s.quit_queued) s.queue.push_back(event);
            s.quit_queued = true;
            break;
        default: s.queue.push_back(event); break;
    }
}
}  // namespace

void pump_input() {
    if (signal_came) {
        signal_came = 0;
        queue_event(InputEvent{});  // a quit, as from closing the window
    }
    InputEvent event;
    while (backend().poll_event(event)) queue_event(event);
}

void await_input() {
    present_if_due(true);
    backend().wait_for_input(kLongWaitMs);
    pump_input();
}

void present_now() { present_if_due(true); }

bool quit_requested() {
    pump_input();
    return state().quit_queued;
}

void honour_quit() {
    if (!quit_requested()) return;
    auto& queue = state().queue;
    queue.erase(
        std::find_if(queue.begin(), queue.end(), [](const InputEvent& e) { return e.kind == InputEvent::Kind::Quit; }));
    state().quit_queued = false;
    if (state().quit_handler) state().quit_handler();
    else EndProgram();
}

void end_on_signals() {
    struct sigaction action {};
    action.sa_handler = note_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
        // One the program was started to ignore (nohup, a script's background job) stays ignored.
        struct sigaction before {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        sigaction(signal, &action, nullptr);
    }
}

std::string why_unreadable(const std::string& path) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::strerror(errno);
    // Opening is not reading: a folder opens, and fails only here.
    char byte;
    const bool failed = std::fread(&byte, 1, 1, file) == 0 && std::ferror(file);
    const int error = errno;
    std::fclose(file);
    return failed ? std::strerror(error) : "";
}

void reset_runtime() {
    RuntimeState& s = state();
    s.keys = {};
    s.queue.clear();
    s.quit_queued = false;
    s.dirty = true;
    s.last_present = 0;
    s.quit_handler = nullptr;
    tool_tips().reset();
    desktop().reset();
}
}  // namespace rt

namespace rt {
namespace {
// Runs every pending event's handler; when none is pending, first waits up to wait_ms for one.
void run_events(uint32_t wait_ms) {
    auto& s = state();
    pump_input();
    if (s.queue.empty()) {
        if (wait_ms > 1) present_if_due(true);
        backend().wait_for_input(wait_ms);
        pump_input();
    }
    // Handlers may run nested loops that call DoEvents again; each event is taken off first.
    while (!s.queue.empty()) {
        const InputEvent event = s.queue.front();
        s.queue.pop_front();
        if (event.kind == InputEvent::Kind::Quit) {
            s.quit_queued = false;
            if (s.quit_handler) s.quit_handler();
            else ::EndProgram();
        } else {
            desktop().deliver(event);
        }
    }
    tool_tips().tick(backend().now_ms());
    present_if_due(false);
}
}  // namespace

void wait_events() { run_events(kLongWaitMs); }
}  // namespace rt

void DoEvents() { rt::run_events(1); }

int16_t GetAsyncKeyState(int virtual_key) {
    rt::pump_input();
    if (virtual_key < 0 || virtual_key >= 256) return 0;
    rt::KeyState& key = rt::state().keys[static_cast<size_t>(virtual_key)];
    const int result = (key.down ? 0x8000 : 0) | (key.pressed ? 0x0001 : 0);
    key.pressed = false;
    return static_cast<int16_t>(result);
}

uint32_t timeGetTime() { return rt::backend().now_ms(); }

void Sleep(uint32_t ms) {
    rt::present_if_due(true);
    // The backend may wake early; between its sleeps a closed window or a signal ends the
    // program at once instead of after the pause.
    const uint32_t end = rt::backend().now_ms() + ms;
    for (uint32_t now = rt::backend().now_ms(); static_cast<int32_t>(end - now) > 0; now = rt::backend().now_ms()) {
        rt::honour_quit();
        rt::backend().sleep_ms(end - now);
    }
    rt::honour_quit();
}

void SetCursorPos(int x, int y) { rt::backend().set_pointer(x, y); }

float Rnd() {
    // 24 random bits: every value is exact in single precision and below 1.
    return static_cast<float>(rt::state().random() >> 8) * (1.0f / 16777216.0f);
}

void Randomize() { rt::state().random.seed(rt::backend().clock_seed()); }

void Randomize(uint32_t seed) { rt::state().random.seed(seed); }

std::string AppPath() { return rt::backend().program_folder(); }

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

void EndProgram(int exit_code) { throw rt::ProgramEnd{exit_code}; }
