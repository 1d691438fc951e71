#pragma once
#include <string>
#include <vector>

#include "runtime/form.h"
#include "support/game_test.h"

// A small screen for the runtime's tests: a 200 × 100 dark blue background with a red 50 × 20
// button at (10, 10). Its handlers note what reached them in screen_events.
inline std::vector<std::string> screen_events;

class SampleScreen : public rt::Form {
public:
    SampleScreen() {
        Width = 200;
        Height = 100;
        background = Image(200, 100, rgb(0, 0, 80));
        button.place(10, 10, 50, 20);
        button.SetPicture(Image(50, 20, rgb(200, 0, 0)));
        button.on_click = [](int16_t index) { screen_events.push_back("click " + std::to_string(index)); };
        button.on_mouse_move = [](int16_t, int16_t, int16_t, float x, float y) {
            screen_events.push_back("move " + std::to_string(static_cast<int>(x)) + "," +
                                    std::to_string(static_cast<int>(y)));
        };
        add(button);
    }
    rt::PictureBox button;
    bool keys = true;
    int16_t cancel_unload = 0;

    void Form_Load() override { screen_events.push_back("load"); }
    void Form_QueryUnload(int16_t& Cancel, int16_t) override {
        screen_events.push_back("unload");
        Cancel = cancel_unload;
    }
    bool takes_keys() const override { return keys; }
    void Form_KeyDown(int16_t& KeyCode, int16_t) override { screen_events.push_back("key " + std::to_string(KeyCode)); }
    void Form_MouseMove(int16_t, int16_t, float x, float y) override {
        screen_events.push_back("form move " + std::to_string(static_cast<int>(x)) + "," +
                                std::to_string(static_cast<int>(y)));
    }
};

// A second screen of the same kind, to stack over the first.
class OtherScreen : public SampleScreen {};

inline rt::FormRef<SampleScreen> Sample;
inline rt::FormRef<OtherScreen> Other;

// A fresh start with no events noted yet.
class ScreenTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        screen_events.clear();
    }
};
