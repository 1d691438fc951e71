#pragma once
#include "runtime/form.h"

// The main menu: difficulty and play time, help, high scores, Start and the close button.
// Button sets of three: 0 is the visible button, 1 its normal face, 2 its highlighted face.
// Option sets of nine: 0..2 the visible buttons, 3..5 normal faces, 6..8 selected faces.
class MenuScreen : public rt::Form {
public:
    MenuScreen();

    rt::ControlArray<rt::PictureBox> Picture1{3};  // Start
    rt::ControlArray<rt::PictureBox> Picture2{9};  // difficulty options
    rt::ControlArray<rt::PictureBox> Picture3{9};  // play-time options
    rt::PictureBox Picture4;                       // close button
    rt::ControlArray<rt::PictureBox> Picture5{3};  // Highscore
    rt::ControlArray<rt::PictureBox> Picture6{3};  // Hilfe
    rt::PictureBox Picture7;                       // help overlay
    rt::PictureBox Picture8;                       // the overlay's OK, with the high-score screen's faces
    rt::Label Label2;                              // version caption

    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;
    void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y) override;
    void Picture1_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Picture5_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Picture6_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void picture7_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void picture8_MouseMove(int16_t Button, int16_t Shift, float X, float Y);

    void Picture1_Click();
    void Picture2_Click(int16_t Index);
    void Picture3_Click(int16_t Index);
    void Picture4_Click();
    void Picture5_Click();
    void Picture6_Click();
    void Picture8_Click();
    void hilfe();
};

inline rt::FormRef<MenuScreen> Form3;
