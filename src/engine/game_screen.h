#pragma once
#include "runtime/form.h"

// The game screen: both boards (a hidden buffer and a visible box each), the panels, the meters
// and the shared group-progress column.
class GameScreen : public rt::Form {
public:
    GameScreen();

    rt::PictureBox Picture1;                        // board 1 buffer (hidden), rows 1..18
    rt::PictureBox Picture2;                        // board 1 display, rows 2..18
    rt::PictureBox Picture3;                        // board 2 buffer (hidden)
    rt::PictureBox Picture4;                        // board 2 display
    rt::PictureBox Picture5;                        // player's attack-stone meter
    rt::PictureBox Picture6;                        // full meter bar (hidden source)
    rt::PictureBox Picture7;                        // empty meter bar (hidden source)
    rt::PictureBox Picture8;                        // computer's attack-stone meter
    rt::PictureBox Picture9;                        // "Level" caption
    rt::PictureBox Picture10;                       // score panel
    rt::ControlArray<rt::PictureBox> Picture11{2};  // speed meters: player 0, computer 1
    rt::PictureBox Picture12;                       // level panel
    rt::PictureBox Picture13;                       // group-progress column
    rt::PictureBox Picture14;                       // clock panel
    rt::PictureBox Picture15;                       // "Zeit" caption
    rt::ControlArray<rt::PictureBox> Picture16{2};  // place marker digits
    rt::PictureBox Picture17;                       // "Platz" caption
    rt::PictureBox Picture18;                       // place panel
    rt::PictureBox Picture19;                       // difficulty badge
    rt::PictureBox Picture20;                       // "Pause" caption, behind board 1
    rt::Line Line1, Line2, Line3;

    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;
};

inline rt::FormRef<GameScreen> Form1;
