#pragma once
#include <vector>

#include "runtime/backend.h"
#include "runtime/form.h"
#include "runtime/image.h"

namespace rt {
// Composes the shown screens into the 800 × 600 frame and routes input to them.
class Desktop {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    void show(Form& form);
    void hide(Form& form);
    void forget(Form& form);
    // Shown screens, the lowest first.
    const std::vector<Form*>& shown() const { return shown_; }

    // The frame as composed now.
    const Image& compose();
    void deliver(const InputEvent& event);
    void reset();

private:
    struct Hit {
        Form* form = nullptr;
        Control* control = nullptr;
    };
    Hit hit(int x, int y) const;

    std::vector<Form*> shown_;
    Image frame_{kWidth, kHeight};
    Hit pressed_;
};

Desktop& desktop();
}  // namespace rt
