#pragma once
#include <cstdint>
#include <memory>

#include "runtime/form.h"

namespace rt {
// A control's ToolTipText, shown in a small box near the pointer once the pointer has rested
// on the control for a moment; gone when the pointer leaves it or presses.
class ToolTips {
public:
    static constexpr uint32_t kDelayMs = 600;

    // What lies under the pointer now (either may be null).
    void pointer_moved(const Form* form, const Control* control, int x, int y, uint32_t now);
    void pointer_pressed();
    // Shows the tip once it is due; hides it when its control is gone from sight.
    void tick(uint32_t now);
    // A screen is going: forget its control.
    void forget(const Form& form);
    void reset();
    // The tip's box while it shows.
    const Form* shown() const;

private:
    void hide();

    const Form* form_ = nullptr;
    const Control* control_ = nullptr;
    int x_ = 0, y_ = 0;
    uint32_t resting_since_ = 0;
    bool dismissed_ = false;
    std::unique_ptr<Form> box_;
};

ToolTips& tool_tips();
}  // namespace rt
