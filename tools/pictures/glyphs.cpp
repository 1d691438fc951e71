// Digits, the popup's letter s and minus sign, and the game-over word.
// Every glyph is lettered with a dark rim so it reads over any stone, and all
// colours of one size share one shape, so one mask fits them all.
#include <algorithm>
#include <string>

#include "pictures/art.h"

namespace {

// Point size of DejaVu Sans Bold whose digits fill a tile of this size.
int digit_point_size(int tile) { return tile <= 22 ? 24 : 28; }

struct DigitInks {
    std::vector<Coverage> digits;
    int offset_y = 0;         // moves the font's line box so the digits sit centred
    int top = 0, bottom = 0;  // ink rows of the digits inside the tile
};

DigitInks digit_inks(int tile) {
    const Font font(digit_point_size(tile));
    DigitInks inks;
    std::vector<Coverage> lines;
    int top = 1 << 20, bottom = -1;
    for (int d = 0; d < 10; ++d) {
        lines.push_back(font.text(std::to_string(d)));
        const Rect box = ink_box(lines[d]);
        top = std::min(top, box.y);
        bottom = std::max(bottom, box.y + box.h);
    }
    inks.offset_y = (tile - (bottom - top)) / 2 - top;
    inks.top = top + inks.offset_y;
    inks.bottom = bottom + inks.offset_y;
    for (int d = 0; d < 10; ++d) {
        const Rect box = ink_box(lines[d]);
        const int offset_x = (tile - box.w) / 2 - box.x;
        inks.digits.push_back(placed(lines[d], tile, tile, offset_x, inks.offset_y));
    }
    return inks;
}

// Paints with the digits' gradient: the same colours at the same height for
// every glyph of a set, however tall the glyph itself is.
Image glyph_sprite(const Coverage& ink, Tint tint, int top, int bottom) {
    return letter_sprite(ink, tint_style(tint), Rect{0, top, ink.w, bottom - top});
}

}  // namespace

LetterStyle tint_style(Tint tint) {
    switch (tint) {
        case Tint::green: return {hex(0xc8ffb0), hex(0x10b838), hex(0x06300c), 1};
        case Tint::orange: return {hex(0xffe8a8), hex(0xff7410), hex(0x401c02), 1};
        case Tint::blue: return {hex(0xd0e8ff), hex(0x2a6cff), hex(0x081848), 1};
        case Tint::red: return {hex(0xffc0b0), hex(0xe01616), hex(0x480808), 1};
    }
    return {};
}

std::vector<Image> digit_set(int tile, Tint tint) {
    const DigitInks inks = digit_inks(tile);
    std::vector<Image> set;
    for (const Coverage& ink : inks.digits) set.push_back(glyph_sprite(ink, tint, inks.top, inks.bottom));
    return set;
}

Image popup_letter_s(Tint tint) {
    const DigitInks inks = digit_inks(22);
    const Font font(digit_point_size(22));
    const Coverage line = font.text("s");
    const Rect box = ink_box(line);
    const Coverage ink = placed(line, 22, 22, (22 - box.w) / 2 - box.x, inks.offset_y);  // on the digits' baseline
    return glyph_sprite(ink, tint, inks.top, inks.bottom);
}

Image popup_minus(Tint tint) {
    const DigitInks inks = digit_inks(22);
    const int middle = (inks.top + inks.bottom) / 2;
    const Coverage ink = rasterize(22, 22, [middle](float x, float y) {
        return x >= 4.0f && x <= 18.0f && y >= middle - 2.0f && y <= middle + 2.0f;
    });
    return glyph_sprite(ink, tint, inks.top, inks.bottom);
}

Image game_over_word() {
    const int w = 192, h = 75, rim = 2, drop = 3;
    const std::string word = "Spielende";
    int size = 30;
    while (Font(size + 1).width(word) <= w - 2 * rim - drop) ++size;
    const Font font(size);
    const Coverage line = font.text(word);
    const Rect box = ink_box(line);
    const int ox = (w - drop - box.w) / 2 - box.x, oy = (h - drop - box.h) / 2 - box.y;
    const Coverage ink = placed(line, w, h, ox, oy);
    const Coverage body = dilate(ink, rim);
    const Coverage shadow = placed(body, w, h, drop, drop);

    // Letter i spans the pen positions before and after it.
    static const int kLetterColour[9] = {1, 6, 5, 3, 2, 4, 8, 1, 6};
    std::vector<int> pen;
    for (std::size_t i = 0; i <= word.size(); ++i) pen.push_back(ox + font.width(word.substr(0, i)));
    const Rect letters{0, box.y + oy, w, box.h};

    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (body.at(x, y) >= 0.25f) {
                std::size_t letter = 0;
                while (letter + 1 < word.size() && x >= pen[letter + 1]) ++letter;
                const Rgb colour = stone_colour(kLetterColour[letter]);
                const LetterStyle style{lighten(colour, 0.65f), colour * 0.8f, hex(0x0c0c30), rim};
                out.at(x, y) = mix(style.rim, letter_fill(style, letters, y), ink.at(x, y));
            } else if (shadow.at(x, y) >= 0.25f) {
                out.at(x, y) = hex(0x24244a);
            }
        }
    return out;
}
