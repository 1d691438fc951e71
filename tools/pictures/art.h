#pragma once
// The pictures of the game, each drawn by one function. Sizes are the boxes'
// sizes; every picture is opaque and, where it is a sprite, black around it.
#include <string>
#include <vector>

#include "pictures/canvas.h"
#include "pictures/lettering.h"

constexpr int kCell = 32;

// Board tiles (stones.cpp).
Rgb stone_colour(int colour);     // 1..9
Image cell_tile(int code);        // 0 empty, 1..9 stones, 10..12 attack stones
Image blink_tile(int colour);     // 0 black, 1..9 a bright diamond
Image darker(const Image& tile);  // the dimmed variant of a tile
Image vanish_frame(int frame);    // 0..3: a hole eats the rock
Image smoke_frame(int frame);     // 0..2: a puff grows and fades
Image cursor_image();             // 64 x 32 two-cell frame
Image speed_lamp(bool lit);

// Digits and glyphs (glyphs.cpp).
enum class Tint { green, orange, blue, red };
LetterStyle tint_style(Tint tint);
std::vector<Image> digit_set(int tile, Tint tint);  // digits 0..9 on tile x tile
Image popup_letter_s(Tint tint);                    // 22 x 22
Image popup_minus(Tint tint);                       // 22 x 22
Image game_over_word();                             // 192 x 75 "Spielende"

// The hand shared by every screen (screen.cpp).
Image textured_ground();  // 800 x 600 indigo stone with a lattice
void cast_shadow(Image& img, Rect r, int reach);
void framed_well(Image& img, Rect r, int thickness);  // bevelled steel frame just outside r
struct PlateLook {
    Rgb top, bottom;              // the face, shaded downwards
    Rgb outer;                    // the outermost ring
    Rgb inner_lit, inner_shaded;  // the ring inside it, upper left and lower right
    int shadow;                   // reach of the cast shadow
};
void plate(Image& img, Rect r, const PlateLook& look);
void plate(Image& img, Rect r);  // a raised plate
void stud(Image& img, int cx, int cy, Rgb colour);
Image bordered_panel(int w, int h);                // dark, with a thin blue border
Image plaque(int w, int h, Rgb fill, Rgb border);  // rounded and embossed
LetterStyle caption_style();                       // cream to amber with a dark rim
void centred_text(Image& img, const std::string& text, int point_size, const LetterStyle& style);

// The game screen (screen.cpp).
Image screen_background();
Image caption_on_background(const Image& background, Rect where, const std::string& text);
Image pause_plaque();
Image difficulty_badge(int difficulty);  // 1 "leicht", 2 "normal", 3 "schwer"
Image meter_frame();
Image meter_bar(bool full);
Image score_panel();
Image level_panel();
Image place_panel();
Image clock_panel();

// The menu, the help, the name entry and the high-score screen (menus.cpp).
Image menu_background();
Image menu_button(int w, const std::string& text, bool lit);
Image option_face(const std::string& text);  // not chosen
Image play_time_chosen(const std::string& text);
Image close_button();
Image help_overlay();
Image name_entry_background();
Image highscore_background();
