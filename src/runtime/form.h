#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/controls.h"

namespace rt {
// A top-level screen: a background picture, controls in stacking order, and its handlers.
class Form {
public:
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    Prop<double> Left = 0.0, Top = 0.0;
    int Width = 800, Height = 600;
    Image background;

    bool shown() const { return shown_; }
    // Puts the screen above every shown screen; returns at once.
    void Show();
    void Hide();
    // Repaints the whole screen and shows it at once.
    void Refresh();
    uintptr_t hWnd() const { return reinterpret_cast<uintptr_t>(this); }

    // Controls in stacking order, the lowest first.
    const std::vector<Control*>& controls() const { return controls_; }

    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int16_t& /*Cancel*/, int16_t /*UnloadMode*/) {}
    // Key-down events reach the topmost shown screen that takes them.
    virtual bool takes_keys() const { return false; }
    virtual void Form_KeyDown(int16_t& /*KeyCode*/, int16_t /*Shift*/) {}
    // Mouse events reach the topmost shown screen under the pointer that takes them.
    virtual bool takes_pointer() const { return true; }
    virtual void Form_MouseMove(int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) {}

protected:
    // Registers controls bottom to top; a screen's constructor lists them in stacking order.
    void add(Control& control) { controls_.push_back(&control); }
    template <class T>
    void add(ControlArray<T>& array) {
        for (int i = 0; i < array.size(); ++i) add(array[i]);
    }

private:
    friend class Desktop;
    std::vector<Control*> controls_;
    bool shown_ = false;
    // Where it stood and what background it had when the frame was last composed.
    Rect composed_area_;
    const uint32_t* composed_background_ = nullptr;
};

class FormSlot {
public:
    FormSlot();
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;
    virtual ~FormSlot() = default;
    virtual bool loaded() const = 0;
    // Runs the query-unload handler and, unless it cancels, releases the instance.
    virtual void Unload() = 0;
    // Drops the instance without any handler (tests start from nothing).
    virtual void forget() = 0;
};

// Releases every screen instance without running handlers.
void forget_all_forms();
// Keeps a released screen alive until no handler of it can still be running.
void retire_form(std::unique_ptr<Form> form);

// The one global instance of a screen: created on first use (running its load handler),
// released by Unload; a later use makes a fresh one.
template <class T>
class FormRef final : public FormSlot {
public:
    T* operator->() { return &get(); }
    T& get() {
        if (!instance_) {
            instance_ = std::make_unique<T>();
            instance_->Form_Load();
        }
        return *instance_;
    }
    bool loaded() const override { return instance_ != nullptr; }
    void Unload() override {
        if (!instance_) return;
        int16_t cancel = 0;
        instance_->Form_QueryUnload(cancel, 0);
        if (cancel == 0) retire_form(std::move(instance_));
    }
    void forget() override { instance_.reset(); }

private:
    std::unique_ptr<T> instance_;
};
}  // namespace rt
