#include "runtime/tool_tip.h"

#include <algorithm>

#include "runtime/desktop.h"
#include "runtime/system.h"

namespace rt {
namespace {
constexpr int kPoints = 8, kPadding = 3;

// The box: pale yellow with a black rim and the text; the pointer passes through it.
class TipBox : public Form {
public:
    TipBox(const std::string& text, int x, int y) {
        const int text_width = backend().render_text(text, kPoints, 0).width;
        Width = text_width + 2 * kPadding;
        Height = 17;
        background = Image(Width, Height, rgb(255, 255, 225));
        for (int i = 0; i < Width; ++i) background.at(i, 0) = background.at(i, Height - 1) = 0;
        for (int i = 0; i < Height; ++i) background.at(0, i) = background.at(Width - 1, i) = 0;
        // Below the pointer's tip, kept on the screen.
        Left = std::clamp(x, 0, Desktop::kWidth - Width);
        Top = y + 21 + Height <= Desktop::kHeight ? y + 21 : y - Height - 2;
        text_.place(kPadding, 1, text_width, Height - 2);
        text_.font_points = kPoints;
        text_.Caption = text;
        add(text_);
    }
    bool takes_pointer() const override { return false; }

private:
    Label text_;
};
}  // namespace

ToolTips& tool_tips() {
    // Never destroyed: screens that go at exit still report to it.
    static ToolTips* tips = new ToolTips;
    return *tips;
}

void ToolTips::pointer_moved(const Form* form, const Control* control, int x, int y, uint32_t now) {
    if (control == control_) return;
    hide();
    form_ = form;
    control_ = control;
    x_ = x;
    y_ = y;
    resting_since_ = now;
    dismissed_ = false;
}

void ToolTips::pointer_pressed() {
    hide();
    dismissed_ = true;
}

void ToolTips::tick(uint32_t now) {
    if (!control_ || control_->ToolTipText.empty()) return;
    if (!form_->shown() || !control_->Visible) {
        hide();
        return;
    }
    if (box_ || dismissed_ || now - resting_since_ < kDelayMs) return;
    box_ = std::make_unique<TipBox>(control_->ToolTipText, x_, y_);
    box_->Show();
}

void ToolTips::forget(const Form& form) {
    if (&form != form_) return;
    hide();
    form_ = nullptr;
    control_ = nullptr;
}

void ToolTips::reset() {
    hide();
    *this = ToolTips();
}

const Form* ToolTips::shown() const { return box_.get(); }

void ToolTips::hide() { box_.reset(); }
}  // namespace rt
