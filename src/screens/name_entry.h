#pragma once
#include "runtime/form.h"

// Asks for the player's name before each game.
class NameEntry : public rt::Form {
public:
    NameEntry();

    rt::Label Label2;  // the name as typed

    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;
    bool takes_keys() const override { return true; }
    void Form_KeyDown(int16_t& KeyCode, int16_t Shift) override;

    // Shows the current name and waits, letting events run, until a name is confirmed.
    void name_eingabe();
};

inline rt::FormRef<NameEntry> Form6;
