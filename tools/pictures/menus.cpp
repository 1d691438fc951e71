// The menu with its buttons and help, the name entry and the high-score screen,
// in the same stone, steel and amber as the game screen.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

#include "pictures/art.h"

namespace {

constexpr int kButtonH = 31;

LetterStyle lit_style() { return {hex(0xffffff), hex(0xffd870), hex(0x2a1402), 1}; }
LetterStyle badge_text() { return {hex(0xffffff), hex(0xe8e8f0), hex(0x100c08), 1}; }
LetterStyle muted_text() { return {hex(0xc4c8e8), hex(0x8088b4), hex(0x06061a), 1}; }
LetterStyle title_style() { return {hex(0xfff8d0), hex(0xe08a18), hex(0x1a0800), 2}; }

const Rgb kBodyText = hex(0xdfe2ff);

// Big lettering with a soft dark shadow, centred on x = cx with its ink's top at y.
void title_text(Image& img, const std::string& text, int point_size, int cx, int top, const LetterStyle& style) {
    const Font font(point_size);
    const Coverage ink = font.text(text);
    const Rect box = ink_box(ink);
    const int ox = cx - box.w / 2 - box.x, oy = top - box.y;
    const Coverage shadow = blur(blur(dilate(ink, style.rim_width + 1), 3), 3);
    img.paint(shadow, Rgb{}, ox + 4, oy + 6);
    letter_onto(img, ink, style, ox, oy);
}

// Caption lettering with its ink's left edge at x and top at y.
void text_at(Image& img, const std::string& text, int point_size, int x, int y, const LetterStyle& style) {
    const Font font(point_size);
    const Coverage ink = font.text(text);
    const Rect box = ink_box(ink);
    letter_onto(img, ink, style, x - box.x, y - box.y);
}

// Caption lettering centred on x = cx with its ink's top at y.
void text_centred(Image& img, const std::string& text, int point_size, int cx, int y, const LetterStyle& style) {
    const Font font(point_size);
    const Coverage ink = font.text(text);
    const Rect box = ink_box(ink);
    letter_onto(img, ink, style, cx - box.w / 2 - box.x, y - box.y);
}

// Running text, broken into lines no wider than width; returns the height used.
int paragraph(Image& img, const std::string& text, const Font& font, int x, int y, int width, Rgb colour) {
    std::istringstream words(text);
    std::string word, line;
    std::vector<std::string> lines;
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && font.width(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    const int step = font.line_height();
    for (std::size_t i = 0; i < lines.size(); ++i) img.paint(font.text(lines[i]), colour, x, y + int(i) * step);
    return int(lines.size()) * step;
}

// A sunken, framed box for a section of the help or a group of options.
void section_frame(Image& img, Rect r) {
    plate(img, r, {hex(0x1e1c58), hex(0x121038), hex(0x6a74c0), hex(0x0a0a22), hex(0x0a0a22), 4});
}

// A row of board stones as an ornament, centred on cx.
void stone_row(Image& img, const std::vector<int>& codes, int cx, int y) {
    const int left = cx - int(codes.size()) * kCell / 2;
    for (std::size_t i = 0; i < codes.size(); ++i) img.draw(cell_tile(codes[i]), left + int(i) * kCell, y);
}

struct KeyRow {
    const char* key;
    const char* what;
};

struct HelpSection {
    const char* heading;
    const char* text;
    std::vector<KeyRow> keys = {};  // shown as a table below the text
};

// The rules, left column then right column.
const HelpSection kLeftSections[] = {
    {"Das Spiel",
     "Du spielst immer gegen den Computer: links dein Spielfeld, rechts seines. Schwierigkeit und "
     "Spielzeit (10, 20 oder 30 Minuten) wählst du vor dem Start im Menü. Während des Spiels "
     "gewinnst und verlierst du Zeit."},
    {"Steuerung",
     "",
     {{"Pfeiltasten", "den Rahmen bewegen"},
      {"Leertaste", "die zwei Steine im Rahmen tauschen"},
      {"Bild auf / ab", "mehr / weniger neue Steine"},
      {"P", "Pause"},
      {"Esc", "beendet sofort, ohne Rückfrage"}}},
    {"Spielverlauf",
     "Drei oder mehr gleiche Steine in einer Reihe oder Spalte bilden eine Gruppe und "
     "verschwinden. Die Punkte richten sich nach dem Füllstand beider Spielfelder: bis zu 200 "
     "für 3, 400 für 4 und 800 für 5 Steine. Jede Gruppe wirft dem Gegner einen Angriffsstein "
     "ins Feld. Der Balken unter dem Spielfeld füllt sich und räumt die Angriffssteine nach und "
     "nach wieder ab."},
};
const HelpSection kRightSections[] = {
    {"Level",
     "Nach 20 Gruppen beider Seiten endet ein Level. Wer vorne liegt, gewinnt ihn: dein Sieg "
     "bringt Punkte und Sekunden, ein Sieg des Computers kostet dich Sekunden. Mit steigendem Level "
     "wird es schwerer: mehr Farben, schmalere Felder, schnellere Steine, ein stärkerer Gegner."},
    {"Volles Spielfeld",
     "Ist ein Spielfeld bis oben voll, wird es unten geräumt. Dein volles Feld kostet dich 60 "
     "Sekunden, ein volles Feld des Computers schenkt dir 60 Sekunden."},
    {"Highscore",
     "Am linken Rand siehst du, welchen Platz deine Punkte in der Highscore-Liste gerade "
     "erreichen."},
    {"Spielende",
     "Das Spiel endet, wenn die Zeit abgelaufen ist. Reichen deine Punkte, kommst du mit deinem "
     "Namen in die Highscore-Liste."},
};

// Stacks sections in a column; returns the bottom of the last.
int help_column(Image& img, const HelpSection* sections, int count, int x, int y, int width, int gap) {
    const Font body(13, false);
    const Font key_font(12);
    const LetterStyle key_style{hex(0xffe9a0), hex(0xf0b040), hex(0x1a0c02), 0};
    for (int i = 0; i < count; ++i) {
        const HelpSection& section = sections[i];
        // Measure first, then frame and fill.
        Image scratch(width, 400);
        const int text_h = paragraph(scratch, section.text, body, 0, 0, width - 24, kBodyText);
        const int rows_h = int(section.keys.size()) * body.line_height();
        const Rect r{x, y, width, 36 + text_h + rows_h + 10};
        section_frame(img, r);
        text_at(img, section.heading, 14, x + 12, y + 10, caption_style());
        paragraph(img, section.text, body, x + 12, y + 32, width - 24, kBodyText);
        int row_y = y + 32 + text_h;
        for (const KeyRow& row : section.keys) {
            const Coverage key = key_font.text(row.key);
            letter_onto(img, key, key_style, x + 12, row_y + (body.line_height() - key.h) / 2);
            img.paint(body.text(row.what), kBodyText, x + 118, row_y);
            row_y += body.line_height();
        }
        y += r.h + gap;
    }
    return y - gap;
}

}  // namespace

Image menu_button(int w, const std::string& text, bool lit) {
    Image img =
        lit ? plaque(w, kButtonH, hex(0x5452d0), hex(0xffe9a0)) : plaque(w, kButtonH, hex(0x2a2878), hex(0xe0b040));
    centred_text(img, text, 15, lit ? lit_style() : caption_style());
    return img;
}

Image option_face(const std::string& text) {
    Image img = plaque(106, kButtonH, hex(0x34385c), hex(0x0c0c24));
    centred_text(img, text, 15, muted_text());
    return img;
}

Image play_time_chosen(const std::string& text) {
    Image img = plaque(106, kButtonH, hex(0x1c64d0), hex(0x0c0c24));
    centred_text(img, text, 15, badge_text());
    return img;
}

Image close_button() {
    Image img = plaque(25, 25, hex(0xb81c24), hex(0x0c0c24));
    const Coverage cross = rasterize(25, 25, [](float x, float y) {
        const float u = x - 12.5f, v = y - 12.5f;
        const bool inside = std::fabs(u) <= 6.0f && std::fabs(v) <= 6.0f;
        return inside && (std::fabs(u - v) <= 2.0f || std::fabs(u + v) <= 2.0f);
    });
    img.paint(dilate(cross, 1), hex(0x3a0406));
    img.paint(cross, hex(0xfff0e0));
    return img;
}

Image menu_background() {
    Image img = textured_ground();
    title_text(img, "Zandorix", 96, 400, 78, title_style());
    framed_well(img, {256, 30, 288, 32}, 3);
    stone_row(img, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 400, 30);

    // The two option groups with their headings, a showcase between them.
    section_frame(img, {128, 216, 138, 166});
    section_frame(img, {528, 216, 138, 166});
    text_centred(img, "Schwierigkeit", 13, 197, 228, caption_style());
    text_centred(img, "Spielzeit", 13, 597, 228, caption_style());
    framed_well(img, {304, 244, 192, 128}, 3);
    const int showcase[4][6] = {
        {0, 0, 0, 0, 4, 0},
        {0, 3, 0, 0, 7, 0},
        {5, 2, 2, 6, 2, 1},
        {3, 6, 1, 5, 4, 4},
    };
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col)
            if (showcase[row][col]) img.draw(cell_tile(showcase[row][col]), 304 + col * kCell, 244 + row * kCell);

    plate(img, {128, 534, 538, 51});
    return img;
}

Image help_overlay() {
    Image img = bordered_panel(780, 560);
    for (int y = 2; y < img.h - 2; ++y)
        for (int x = 2; x < img.w - 2; ++x) img.at(x, y) = mix(hex(0x181650), hex(0x0c0a2c), float(y) / float(img.h));
    title_text(img, "Spielregeln", 22, 390, 12, caption_style());
    const int top = 50, gap = 10, width = 370;
    help_column(img, kLeftSections, 3, 14, top, width, gap);
    help_column(img, kRightSections, 4, 396, top, width, gap);
    return img;
}

Image name_entry_background() {
    Image img(312, 213);
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            const float t = float(y) / float(img.h - 1);
            const float grain = 0.9f + 0.1f * fractal_noise(x / 18.0f, y / 18.0f, 77);
            img.at(x, y) = mix(hex(0x2c58c8), hex(0x10287a), t) * grain;
        }
    // A bevelled rim around the whole panel.
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            const int edge = std::min({x, y, img.w - 1 - x, img.h - 1 - y});
            const bool lit = std::min(x, y) <= std::min(img.w - 1 - x, img.h - 1 - y);  // upper and left sides
            if (edge == 0) img.at(x, y) = hex(0x060a24);
            else if (edge <= 3) img.at(x, y) = lit ? hex(0x9cc0ff) : hex(0x1a2c70);
        }
    title_text(img, "Dein Name", 26, 156, 40, caption_style());
    // The field where the name appears, with the label's box inside it.
    framed_well(img, {64, 117, 182, 47}, 3);
    for (int y = 117; y < 164; ++y)
        for (int x = 64; x < 246; ++x) img.at(x, y) = mix(hex(0x060a2a), hex(0x0e1848), float(y - 117) / 47.0f);
    return img;
}

Image highscore_background() {
    Image img = textured_ground();
    title_text(img, "Zandorix", 54, 400, 14, title_style());
    title_text(img, "Highscore", 26, 400, 98, caption_style());
    // The table: headings and 20 rows.
    section_frame(img, {140, 154, 480, 352});
    for (int k = 0; k < 20; ++k)
        if (k % 2 == 1) img.fill_rect({143, 184 + 16 * k, 474, 16}, hex(0x1a1850));
    return img;
}
