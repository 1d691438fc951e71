#pragma once
#include <string_view>

#include "runtime/form.h"

// The hidden store of every tile, frame, digit, glyph and sprite that the drawing copies.
// Each element's picture starts at (0, 0) of its surface.
class PictureStore : public rt::Form {
public:
    PictureStore();

    rt::ControlArray<rt::PictureBox> Picture1{13};   // cell tiles by code 0..12, 32 × 32
    rt::ControlArray<rt::PictureBox> Picture2{2};    // a black and a white bar, 416 × 32
    rt::PictureBox Picture3;                         // holds no picture
    rt::ControlArray<rt::PictureBox> Picture4{10};   // blink diamonds by colour 1..9
    rt::ControlArray<rt::PictureBox> Picture5{10};   // darker cell tiles 0..9
    rt::ControlArray<rt::PictureBox> Picture6{2};    // cursor 64 × 32: image, mask
    rt::ControlArray<rt::PictureBox> Picture7{4};    // vanish frames
    rt::ControlArray<rt::PictureBox> Picture8{3};    // smoke frames
    rt::ControlArray<rt::PictureBox> Picture9{50};   // digits: five colour groups of ten
    rt::ControlArray<rt::PictureBox> Picture10{10};  // masks of the 22 × 22 digits
    rt::ControlArray<rt::PictureBox> Picture11{2};   // speed lamp: lit, unlit
    rt::ControlArray<rt::PictureBox> Picture12{5};   // popup glyphs and masks
    rt::PictureBox Picture13;                        // empty progress column, 32 × 416
    rt::PictureBox Picture14;                        // clock panel background, 104 × 30
    rt::ControlArray<rt::PictureBox> Picture15{2};   // game-over sprite 192 × 75: image, mask

    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;

    // The member a stored picture belongs to, by the name the picture carries: a set and an
    // index ("picture9", 12) or a single box and -1 ("picture13", -1). Anything else is an error.
    rt::PictureBox& element(std::string_view set, int index);
};

inline rt::FormRef<PictureStore> Form2;
