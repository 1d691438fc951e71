#include "runtime/desktop.h"

#include <algorithm>
#include <tuple>

#include "runtime/system.h"
#include "runtime/text.h"
#include "runtime/tool_tip.h"

namespace rt {
Desktop& desktop() {
    static Desktop instance;
    return instance;
}

Rect Desktop::area_of(const Form& form) const {
    return {to_int32(form.Left), to_int32(form.Top), form.Width, form.Height};
}

void Desktop::show(Form& form) {
    // Raising a screen may change what shows anywhere on it.
    if (std::find(shown_.begin(), shown_.end(), &form) != shown_.end()) forget_composed(form);
    std::erase(shown_, &form);
    shown_.push_back(&form);
    mark_dirty();
}

void Desktop::hide(Form& form) {
    forget_composed(form);
    std::erase(shown_, &form);
    mark_dirty();
}

void Desktop::forget_composed(Form& form) {
    damage(form.composed_area_);
    form.composed_area_ = {};
    form.composed_background_ = nullptr;
    for (Control* control : form.controls()) {
        damage(control->composed_area_);
        control->composed_area_ = {};
    }
}

void Desktop::forget(Form& form) {
    tool_tips().forget(form);
    // The screen is going: its controls may be gone already, so all of the frame is composed again.
    if (std::find(shown_.begin(), shown_.end(), &form) != shown_.end()) damage({0, 0, kWidth, kHeight});
    std::erase(shown_, &form);
    mark_dirty();
    if (pressed_.form == &form) pressed_ = {};
}

void Desktop::reset() {
    for (Form* form : shown_) forget_composed(*form);
    shown_.clear();
    pressed_ = {};
    frame_.fill(0);
    damage_.clear();
    exposed_ = true;
}

void Desktop::damage(const Rect& rect) {
    if (rect.empty()) return;
    // Many small changes become one: composing a little more costs less than a long list.
    constexpr size_t kMostRects = 512;
    if (damage_.size() >= kMostRects) {
        Rect all;
        for (const Rect& r : damage_) all = bounding(all, r);
        damage_.assign(1, all);
    }
    damage_.push_back(rect);
}

void Desktop::expose() {
    exposed_ = true;
    mark_dirty();
}

namespace {
// A rectangle of a screen, moved to the screen's place and cut to the frame.
Rect placed(const Rect& r, int origin_x, int origin_y) {
    const int64_t x = int64_t{r.x} + origin_x, y = int64_t{r.y} + origin_y;
    const int64_t left = std::clamp<int64_t>(x, 0, Desktop::kWidth), top = std::clamp<int64_t>(y, 0, Desktop::kHeight);
    const int64_t right = std::clamp<int64_t>(x + std::max(r.w, 0), 0, Desktop::kWidth);
    const int64_t bottom = std::clamp<int64_t>(y + std::max(r.h, 0), 0, Desktop::kHeight);
    if (right <= left || bottom <= top) return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
}
}  // namespace

void Desktop::collect_damage() {
    for (Form* form : shown_) {
        const Rect area = area_of(*form);
        const Rect seen = placed({0, 0, area.w, area.h}, area.x, area.y);
        if (seen != form->composed_area_ || form->background.pixels.data() != form->composed_background_) {
            damage(form->composed_area_);
            damage(seen);
            form->composed_area_ = seen;
            form->composed_background_ = form->background.pixels.data();
        }
        for (Control* control : form->controls()) {
            // Only the part within the frame counts: off it, a move changes nothing to see.
            Rect now;
            if (control->Visible) now = placed(control->area(), area.x, area.y);
            if (now != control->composed_area_) {
                damage(control->composed_area_);
                damage(now);
                control->composed_area_ = now;
                if (!now.empty()) control->take_as_composed();
            } else if (!now.empty()) {
                control->collect_changes(area.x, area.y, damage_);
            }
        }
    }
}

void Desktop::merge_damage() {
    const Rect whole{0, 0, kWidth, kHeight};
    for (Rect& r : damage_) r = intersection(r, whole);
    std::erase_if(damage_, [](const Rect& r) { return r.empty(); });
    // Cells side by side in a row travel as one rectangle.
    std::sort(damage_.begin(), damage_.end(),
              [](const Rect& a, const Rect& b) { return std::tie(a.y, a.h, a.x) < std::tie(b.y, b.h, b.x); });
    std::vector<Rect> merged;
    for (const Rect& r : damage_) {
        if (!merged.empty() && merged.back().y == r.y && merged.back().h == r.h && r.x <= merged.back().right())
            merged.back() = bounding(merged.back(), r);
        else merged.push_back(r);
    }
    // What lies inside another rectangle is composed and sent with it.
    std::vector<Rect> kept;
    for (size_t i = 0; i < merged.size(); ++i) {
        bool inside = false;
        for (size_t j = 0; j < merged.size() && !inside; ++j)
            inside = j != i && intersection(merged[i], merged[j]) == merged[i] && (merged[i] != merged[j] || j < i);
        if (!inside) kept.push_back(merged[i]);
    }
    damage_ = std::move(kept);
}

void Desktop::compose_region(const Rect& region) {
    // Black shows only where no screen's background covers the frame.
    const Form* bottom = shown_.empty() ? nullptr : shown_.front();
    const bool covered = bottom && bottom->Left == 0.0 && bottom->Top == 0.0 && bottom->Width >= kWidth &&
                         bottom->Height >= kHeight && bottom->background.width >= kWidth &&
                         bottom->background.height >= kHeight;
    if (!covered)
        for (int y = region.y; y < region.bottom(); ++y) std::fill_n(&frame_.at(region.x, y), region.w, 0u);
    for (Form* form : shown_) {
        const int fx = to_int32(form->Left), fy = to_int32(form->Top);
        const Rect back = intersection(region, {fx, fy, std::min(form->Width, form->background.width),
                                                std::min(form->Height, form->background.height)});
        if (!back.empty())
            BitBlt(frame_, back.x, back.y, back.w, back.h, form->background, back.x - fx, back.y - fy, SRCCOPY);
        for (Control* control : form->controls())
            if (control->Visible && !intersection(control->composed_area_, region).empty())
                control->draw(frame_, fx, fy, region);
    }
}

const Image& Desktop::compose() {
    collect_damage();
    merge_damage();
    for (const Rect& region : damage_) compose_region(region);
    if (exposed_) changed_.assign(1, Rect{0, 0, kWidth, kHeight});
    else changed_.swap(damage_);
    damage_.clear();
    exposed_ = false;
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
