#include <cmath>
#include <string>

#include "engine/digits.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/side.h"
#include "frame/picture_store.h"
#include "frame/state.h"

namespace {
constexpr int kScoreTiles = 10;  // the 26 × 26 score digits follow the green ones
constexpr int16_t kNoPlace = 21;

// Entry of the game's own list; a list that does not exist holds nothing.
double list_entry(int place) {
    const int d = schwierigkeit, t = spielzeit_wahl;
    if (d < 0 || d > 3 || t < 0 || t > 3) return 0;
    return hs_punkte[place][d][t];
}

// The place the score would take if the game ended now: the first entry it beats strictly.
int16_t current_place() {
    for (int16_t i = 1; i <= 20; ++i)
        if (gesamtpunkte > list_entry(i)) return i;
    return kNoPlace;
}

// The marker climbs the ladder by the share of the gap to the place above that the score has
// covered. Two equal entries leave no gap: the marker then stays at the ladder's foot.
float marker_top(int16_t place) {
    const double a = list_entry(place), b = list_entry(place - 1);
    double f = a != b ? (a - gesamtpunkte) * 100 / (a - b) : 0;
    if (!std::isfinite(f)) f = 0;
    return static_cast<float>(452 - 4 * f);
}

void draw_digits(rt::PictureBox& box, const std::string& digits, int first_tile, int x, int pitch, int y, int size) {
    const PictureStore& store = Form2.get();
    for (size_t i = 0; i < digits.size(); ++i)
        BitBlt(box.hDC(), x + pitch * static_cast<int>(i), y, size, size,
               store.Picture9[first_tile + digit_value(digits[i])].Picture(), 0, 0, SRCCOPY);
    box.Refresh();
}

void show_place_marker(int16_t place) {
    auto& marker = Form1->Picture16;
    if (place == 1) {
        marker[0].Visible = false;
        marker[1].Visible = false;
        return;
    }
    const std::string digits = field_digits(place - 1, 2);
    const float top = marker_top(place);
    for (int i = 0; i < 2; ++i) marker[i].Top = top;
    for (int i = 0; i < 2; ++i) marker[i].SetPicture(Form2->Picture9[digit_value(digits[i])].Picture());
    for (int i = 0; i < 2; ++i) marker[i].Refresh();
    for (int i = 0; i < 2; ++i) marker[i].Visible = true;
}

// Lamps from the bottom: the step of the row whose interval is in force.
void show_speed_of(const BoardSide& side) {
    const PictureStore& store = Form2.get();
    rt::PictureBox& box = Form1->Picture11[side.number - 1];
    const Image& lit = store.Picture11[0].Picture();
    for (int j = 1; j <= 3; ++j)
        BitBlt(box.hDC(), 0, 32 * (j - 1), 32, 32, store.Picture11[1].Picture(), 0, 0, SRCCOPY);
    if (tempo_klasse >= 1 && tempo_klasse <= 3) {
        const int16_t* steps = tempo[tempo_klasse];
        for (int step = 1; step <= 3; ++step) {
            if (side.intervall != steps[step]) continue;
            for (int lamp = 3 - step; lamp < 3; ++lamp) BitBlt(box.hDC(), 0, 32 * lamp, 32, 32, lit, 0, 0, SRCCOPY);
        }
    }
    box.Refresh();
}
}  // namespace

void show_score() {
    draw_digits(Form1->Picture10, field_digits(gesamtpunkte, 9), kScoreTiles, 13, 26, 2, 26);
    const int16_t place = current_place();
    draw_digits(Form1->Picture18, field_digits(place, 2), 0, 6, 22, 5, 22);
    show_place_marker(place);
}

void show_speed() { show_speed_of(side1()); }

void show_speed2() { show_speed_of(side2()); }

// The green 22 × 22 digits at the score's pitch; the 26 × 26 copy leaves the panel's own
// background in the strips the tile does not cover.
void show_level() { draw_digits(Form1->Picture12, field_digits(level, 3), 0, 13, 26, 4, 26); }
