#include "support/popup_state.h"

#include "engine/state.h"

Popup popup_now() { return {popup_art, popup_sekunden, popup_punkte, popup_x, popup_y, popup_zeit}; }

void set_popup(const Popup& p) {
    popup_art = static_cast<int16_t>(p.kind), popup_sekunden = static_cast<int16_t>(p.seconds);
    popup_x = static_cast<int16_t>(p.x), popup_y = static_cast<int16_t>(p.y);
    popup_punkte = p.points, popup_zeit = p.timer;
}

void PrintTo(const Popup& p, std::ostream* out) {
    *out << "{kind " << p.kind << ", seconds " << p.seconds << ", points " << p.points << ", at " << p.x << "," << p.y
         << ", timer " << p.timer << "}";
}
