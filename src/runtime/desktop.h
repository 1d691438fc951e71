#pragma once
#include <vector>

#include "runtime/backend.h"
#include "runtime/form.h"
#include "runtime/image.h"

namespace rt {
// Composes the shown screens into the 800 × 600 frame and routes input to them. Only what
// changed is composed again: boxes whose pictures changed (cell by cell), controls and screens
// that moved, appeared or vanished (both places), labels whose text changed.
class Desktop {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    void show(Form& form);
    void hide(Form& form);
    // Called as a screen is destroyed.
    void forget(Form& form);
    // Shown screens, the lowest first.
    const std::vector<Form*>& shown() const { return shown_; }
    // Where a screen lies in the frame.
    Rect area_of(const Form& form) const;

    // Brings the frame up to date.
    const Image& compose();
    // What the last composition changed: nothing when nothing did, all of it after an expose.
    const std::vector<Rect>& changed() const { return changed_; }
    // A part of the frame to compose again.
    void damage(const Rect& rect);
    // The window lost what it showed: the next composition gives the whole frame.
    void expose();
    void deliver(const InputEvent& event);
    void reset();

private:
    void collect_damage();
    void merge_damage();
    void compose_region(const Rect& region);
    void forget_composed(Form& form);

    struct Hit {
        Form* form = nullptr;
        Control* control = nullptr;
    };
    Hit hit(int x, int y) const;

    std::vector<Form*> shown_;
    Image frame_{kWidth, kHeight};
    std::vector<Rect> damage_;
    bool exposed_ = true;
    std::vector<Rect> changed_;
    Hit pressed_;
};

Desktop& desktop();
}  // namespace rt
