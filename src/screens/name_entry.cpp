#include "screens/name_entry.h"

#include "frame/state.h"
#include "runtime/pictures.h"
#include "runtime/system.h"

NameEntry::NameEntry() {
    Width = 312;
    Height = 213;
    background = embedded_picture("form6/background");
    Label2.place(72, 123, 166, 35);
    // Our bold face runs wider than the classic one: at 20 points a typical name shows at its
    // natural width, and eight W are narrowed only a little to fit the field.
    Label2.font_points = 20;
    Label2.SetForeColor(255, 226, 110);
    add(Label2);
}

void NameEntry::Form_Load() {
    Left = 360;
    Top = 240;
}

void NameEntry::Form_QueryUnload(int16_t&, int16_t) {}

void NameEntry::Form_KeyDown(int16_t& KeyCode, int16_t) {
    constexpr size_t kLongest = 8;
    const bool letter = (KeyCode >= vk::A && KeyCode <= vk::Z) || KeyCode == vk::Space;
    if (KeyCode == vk::Return) {
        if (!spieler_name.empty()) eingabe_fertig = kTrue;
        return;
    }
    if (KeyCode == vk::Back || KeyCode == vk::Delete) {
        if (spieler_name.empty()) return;
        spieler_name.pop_back();
    } else if (letter && spieler_name.size() < kLongest) {
        // Letter keys come as their capitals' codes, whatever Shift and Caps Lock say.
        spieler_name += static_cast<char>(KeyCode);
    } else {
        return;
    }
    Label2.Caption = spieler_name + " ";
}

void NameEntry::name_eingabe() {
    Refresh();
    Label2.Caption = spieler_name;
    eingabe_fertig = kFalse;
    // Nothing runs on a clock while a name is typed: the loop sleeps until input comes.
    do {
        rt::wait_events();
    } while (eingabe_fertig == kFalse);
}
