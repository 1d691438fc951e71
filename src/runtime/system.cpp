#include "runtime/system.h"

#include <array>
#include <deque>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "runtime/desktop.h"

namespace rt {
namespace {
constexpr uint32_t kFrameMs = 16;  // at most about 60 shown frames a second
// A wait for input wakes now and then all the same, so that nothing can keep it asleep for long.
constexpr uint32_t kLongWaitMs = 100;

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

void pump_input() {
    RuntimeState& s = state();
    InputEvent event;
    while (backend().poll_event(event)) {
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

void reset_runtime() {
    RuntimeState& s = state();
    s.keys = {};
    s.queue.clear();
    s.quit_queued = false;
    s.dirty = true;
    s.last_present = 0;
    s.quit_handler = nullptr;
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
    rt::backend().sleep_ms(ms);
}

void SetCursorPos(int x, int y) { rt::backend().set_pointer(x, y); }

float Rnd() {
    // 24 random bits: every value is exact in single precision and below 1.
    return static_cast<float>(rt::state().random() >> 8) * (1.0f / 16777216.0f);
}

void Randomize() {
    rt::state().random.seed(rt::backend().clock_seed());
}

void Randomize(uint32_t seed) { rt::state().random.seed(seed); }

std::string AppPath() { return rt::backend().program_folder(); }

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

void EndProgram(int exit_code) { throw rt::ProgramEnd{exit_code}; }
