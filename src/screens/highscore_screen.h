#pragma once
#include "runtime/form.h"

// One of the nine high-score lists as 20 rows, the six list buttons and OK.
class HighscoreScreen : public rt::Form {
public:
    HighscoreScreen();

    rt::ControlArray<rt::PictureBox> Picture1{6};  // list buttons: difficulties 0..2, play times 3..5
    rt::ControlArray<rt::PictureBox> Picture2{3};  // OK: 0 visible, 1 normal face, 2 highlighted face
    rt::ControlArray<rt::PictureBox> Picture3{5};  // column headings
    rt::ControlArray<rt::Label> Label1{20};        // places
    rt::ControlArray<rt::Label> Label2{20};        // names
    rt::ControlArray<rt::Label> Label3{20};        // points
    rt::ControlArray<rt::Label> Label4{20};        // levels
    rt::ControlArray<rt::Label> Label5{20};        // play times

    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;
    void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y) override;

    // Draws the shown list; the row at place hi_c is marked when the list is the game's own.
    void zeige_highscore(int16_t& hi_c);
    void Picture1_Click(int16_t Index);
    void Picture2_Click();
    void Picture2_MouseMove();
};

inline rt::FormRef<HighscoreScreen> Form4;
