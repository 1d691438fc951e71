#include "runtime/form.h"

#include <algorithm>

#include "runtime/desktop.h"
#include "runtime/system.h"

namespace rt {
namespace {
std::vector<FormSlot*>& slots() {
    static std::vector<FormSlot*> all;
    return all;
}

std::vector<std::unique_ptr<Form>>& retired() {
    static std::vector<std::unique_ptr<Form>> forms;
    return forms;
}
}  // namespace

Form::Form() = default;

Form::~Form() { desktop().forget(*this); }

void Form::Show() {
    shown_ = true;
    desktop().show(*this);
}

void Form::Hide() {
    shown_ = false;
    desktop().hide(*this);
}

void Form::Refresh() {
    // A screen's repaint shows at once, also where the program does not let events run.
    if (shown_) desktop().damage(desktop().area_of(*this));
    present_now();
}

FormSlot::FormSlot() { slots().push_back(this); }

void retire_form(std::unique_ptr<Form> form) {
    // An unload often runs inside one of the screen's own handlers: the instance leaves the
    // screen now and is freed only when everything starts afresh.
    form->Hide();
    retired().push_back(std::move(form));
}

void forget_all_forms() {
    for (FormSlot* slot : slots()) slot->forget();
    retired().clear();
}
}  // namespace rt
