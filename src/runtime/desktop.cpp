#include "runtime/desktop.h"

#include <algorithm>

#include "runtime/system.h"
#include "runtime/text.h"
#include "runtime/tool_tip.h"

namespace rt {
Desktop& desktop() {
    static Desktop instance;
    return instance;
}

void Desktop::show(Form& form) {
    std::erase(shown_, &form);
    shown_.push_back(&form);
    mark_dirty();
}

void Desktop::hide(Form& form) {
    std::erase(shown_, &form);
    mark_dirty();
}

void Desktop::forget(Form& form) {
    tool_tips().forget(form);
    hide(form);
    if (pressed_.form == &form) pressed_ = {};
}

void Desktop::reset() {
    shown_.clear();
    pressed_ = {};
    frame_.fill(0);
}

const Image& Desktop::compose() {
    // Black shows only where no screen's background covers the frame.
    const Form* bottom = shown_.empty() ? nullptr : shown_.front();
    const bool covered = bottom && bottom->Left == 0.0 && bottom->Top == 0.0 && bottom->Width >= kWidth &&
                         bottom->Height >= kHeight && bottom->background.width >= kWidth &&
                         bottom->background.height >= kHeight;
    if (!covered) frame_.fill(0);
    for (Form* form : shown_) {
        const int fx = to_int32(form->Left), fy = to_int32(form->Top);
        BitBlt(frame_, fx, fy, std::min(form->Width, form->background.width),
               std::min(form->Height, form->background.height), form->background, 0, 0, SRCCOPY);
        for (Control* control : form->controls())
            if (control->Visible) control->draw(frame_, fx, fy);
    }
    return frame_;
}

Desktop::Hit Desktop::hit(int x, int y) const {
    for (auto form = shown_.rbegin(); form != shown_.rend(); ++form) {
        const int lx = x - to_int32((*form)->Left), ly = y - to_int32((*form)->Top);
        if (!(*form)->takes_pointer() || lx < 0 || ly < 0 || lx >= (*form)->Width || ly >= (*form)->Height) continue;
        const auto& controls = (*form)->controls();
        for (auto control = controls.rbegin(); control != controls.rend(); ++control)
            if ((*control)->Visible && (*control)->hit_testable() && (*control)->contains(lx, ly))
                return {*form, *control};
        return {*form, nullptr};
    }
    return {};
}

void Desktop::deliver(const InputEvent& event) {
    using Kind = InputEvent::Kind;
    switch (event.kind) {
        case Kind::KeyDown: {
            for (auto form = shown_.rbegin(); form != shown_.rend(); ++form) {
                if (!(*form)->takes_keys()) continue;
                int16_t key = static_cast<int16_t>(event.key);
                (*form)->Form_KeyDown(key, 0);
                break;
            }
            break;
        }
        case Kind::MouseMove: {
            const Hit target = hit(event.x, event.y);
            tool_tips().pointer_moved(target.form, target.control, event.x, event.y, backend().now_ms());
            if (target.control) {
                if (target.control->on_mouse_move) {
                    const float cx = static_cast<float>(event.x - target.form->Left - target.control->Left);
                    const float cy = static_cast<float>(event.y - target.form->Top - target.control->Top);
                    target.control->on_mouse_move(target.control->Index, 0, 0, cx, cy);
                }
            } else if (target.form) {
                target.form->Form_MouseMove(0, 0, static_cast<float>(event.x - target.form->Left),
                                            static_cast<float>(event.y - target.form->Top));
            }
            break;
        }
        case Kind::MouseDown:
            tool_tips().pointer_pressed();
            pressed_ = hit(event.x, event.y);
            break;
        case Kind::MouseUp: {
            const Hit target = hit(event.x, event.y);
            const Hit pressed = std::exchange(pressed_, {});
            if (target.control && target.control == pressed.control && target.control->on_click)
                target.control->on_click(target.control->Index);
            break;
        }
        case Kind::KeyUp:
        case Kind::Exposed:
        case Kind::Quit: break;
    }
}
}  // namespace rt
