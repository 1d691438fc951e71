#include "screens/name_entry.h"

#include "runtime/pictures.h"

NameEntry::NameEntry() {
    Width = 312;
    Height = 213;
    background = embedded_picture("form6/background");
    Label2.place(72, 123, 166, 35);
    Label2.font_points = 24;
    add(Label2);
}

// The handlers below are still to come.
void NameEntry::Form_Load() {}
void NameEntry::Form_QueryUnload(int16_t&, int16_t) {}
void NameEntry::Form_KeyDown(int16_t&, int16_t) {}
void NameEntry::name_eingabe() {}
