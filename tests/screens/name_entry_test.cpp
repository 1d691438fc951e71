#include "screens/name_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/state.h"
#include "support/game_test.h"

namespace {
using NameEntryTest = GameTest;

TEST_F(NameEntryTest, KeysEditTheNameByTheirCodes) {
    struct Case {
        const char* what;
        std::string before;
        std::vector<int> keys;
        std::string name, caption;
        bool confirmed;
    };
    const std::vector<int> nine = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I'};
    const Case cases[] = {
        {"nine letters keep eight", "", nine, "ABCDEFGH", "ABCDEFGH ", false},
        {"Backspace on empty", "", {vk::Back}, "", "", false},
        {"Backspace", "MAX", {vk::Back}, "MA", "MA ", false},
        {"Delete", "MAX", {vk::Delete, vk::Delete}, "M", "M ", false},
        {"Enter on empty", "", {vk::Return}, "", "", false},
        {"one space", "", {vk::Space, vk::Return}, " ", "  ", true},
        {"Enter leaves the label", "MAX", {vk::Return}, "MAX", "MAX", true},
        {"digits and punctuation", "MAX", {'0', '9', 0xBD, 0xBE, 0x6A, vk::Escape}, "MAX", "MAX", false},
        {"last letter Z", "", {'Z', vk::Space, 'A'}, "Z A", "Z A ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        spieler_name = c.before;
        eingabe_fertig = kFalse;
        Form6->Label2.Caption = c.before;
        for (int key : c.keys) {
            int16_t code = static_cast<int16_t>(key);
            Form6->Form_KeyDown(code, 1);  // Shift held: it changes nothing
        }
        EXPECT_EQ(spieler_name, c.name);
        EXPECT_EQ(Form6->Label2.Caption.get(), c.caption);
        EXPECT_EQ(eingabe_fertig != kFalse, c.confirmed);
    }
}

TEST_F(NameEntryTest, OffersTheLastNameAndWaitsWithEventsRunningUntilEnter) {
    spieler_name = "MAX";
    eingabe_fertig = kTrue;  // left over from the last game
    Form6->Show();
    EXPECT_EQ(values(Form6->Left, Form6->Top), values(360, 240));
    backend.tap('Y');
    backend.key_down(vk::Return, 40);
    Form6->name_eingabe();
    EXPECT_EQ(spieler_name, "MAXY");
    EXPECT_EQ(backend.pending_input(), 0u);
    EXPECT_GE(backend.clock, 40u);

    // The next time the name shows without the trailing space; Enter at once keeps it.
    backend.tap(vk::Return);
    Form6->name_eingabe();
    EXPECT_EQ(Form6->Label2.Caption.get(), "MAXY");
    EXPECT_EQ(spieler_name, "MAXY");
}
}  // namespace
