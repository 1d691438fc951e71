#pragma once
// Lettering with DejaVu Sans Bold: glyph coverage maps and the outlined,
// gradient-filled look shared by digits, captions and the game-over word.
#include <SDL_ttf.h>

#include <string>

#include "pictures/canvas.h"

class Font {
public:
    // DejaVu Sans Bold, or its book weight for running text.
    explicit Font(int point_size, bool bold = true);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool ok() const { return font_ != nullptr; }
    // Coverage of the text as the font lays it out (full line height).
    Coverage text(const std::string& utf8) const;
    int width(const std::string& utf8) const;
    int line_height() const;
    // Rows of a line from its top to the baseline.
    int ascent() const;

private:
    TTF_Font* font_ = nullptr;
};

// Bounding box of the pixels a coverage map touches; empty map gives w = 0.
Rect ink_box(const Coverage& c);

// Copies src into a w x h map with its (0,0) at (ox, oy).
Coverage placed(const Coverage& src, int w, int h, int ox, int oy);

struct LetterStyle {
    Rgb top;     // fill colour at the top of the letters
    Rgb bottom;  // fill colour at their foot
    Rgb rim;     // outline around the letters; never pure black
    int rim_width = 1;
};

// The letters of ink drawn opaquely onto black: every pixel of the letters or
// their rim is non-black, every other pixel exactly black, so the mask of the
// result depends on the ink alone and not on the colours. The fill gradient
// runs over band, or over the ink's own height when band is empty.
Image letter_sprite(const Coverage& ink, const LetterStyle& style, Rect band = {});

// The same look blended (soft-edged) onto an existing picture at (ox, oy).
void letter_onto(Image& target, const Coverage& ink, const LetterStyle& style, int ox = 0, int oy = 0, Rect band = {});

// Fill colour of the style at row y of an ink box.
Rgb letter_fill(const LetterStyle& style, Rect box, int y);
