#pragma once
#include <cstdint>
#include <ostream>

// The points and seconds popup's globals taken together, so a test compares them in one line.
struct Popup {
    int kind = 0, seconds = 0;
    double points = 0;
    int x = 0, y = 0;
    double timer = 0;
    bool operator==(const Popup&) const = default;
};
// The popup as the globals hold it now.
Popup popup_now();
// Sets the globals.
void set_popup(const Popup& p);
void PrintTo(const Popup& p, std::ostream* out);
