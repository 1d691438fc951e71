#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/digits.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/state.h"
#include "runtime/text.h"

namespace {
constexpr int kGlyph = 22;
constexpr int kOrange = 20, kBlue = 30, kRed = 40;  // first tiles of the digit colour groups
constexpr int kMaxPointDigits = 6;
constexpr double kLastFrame = 32;

// A glyph over the board: its mask keeps the board around it, its image fills it in.
void sprite(Image& buffer, int x, int y, const Image& image, const Image& mask) {
    BitBlt(buffer, x, y, kGlyph, kGlyph, mask, 0, 0, SRCAND);
    BitBlt(buffer, x, y, kGlyph, kGlyph, image, 0, 0, SRCINVERT);
}
}  // namespace

void show_points(int16_t Index, int16_t index2) {
    const PictureStore& store = Form2.get();
    auto digit = [&](int first_tile, char c) -> const Image& {
        return store.Picture9[first_tile + digit_value(c)].Picture();
    };
    auto digit_mask = [&](char c) -> const Image& { return store.Picture10[digit_value(c)].Picture(); };

    // Lost seconds always show two digits (5 lost show as 05).
    const int v = index2;
    std::string seconds = decimal_digits(std::abs(v));
    if (v < 0) seconds = ("00" + seconds).substr(seconds.size());
    const std::string points = decimal_digits(popup_punkte);

    // The number stays on the board: it moves left by what it would stick out. The global
    // moves, so the following frames find it in place.
    const double e = round_half_even(static_cast<double>(points.size()) / 2 + popup_x - spalten);
    if (e > 0) popup_x = to_int16(popup_x - e);

    Image& buffer = Form1->Picture1.hDC();
    const int x0 = 32 * (popup_x - 1);
    const int y_points = to_int32(32 * (popup_y - 1) - 2 * popup_zeit);
    const int y_seconds = y_points - kGlyph;
    auto at = [&](int k) { return x0 + kGlyph * (k - 1); };

    if (Index == 0 || Index == 1) {
        const int colour = Index == 0 ? 0 : kOrange;
        const int n = std::min<int>(static_cast<int>(points.size()), kMaxPointDigits);
        for (int k = 1; k <= n; ++k)
            sprite(buffer, at(k), y_points, digit(colour, points[k - 1]), digit_mask(points[k - 1]));
    }

    if (v > 0) {
        int k = 1;
        for (char c : seconds) sprite(buffer, at(k++), y_seconds, digit(kBlue, c), digit_mask(c));
        sprite(buffer, at(k), y_seconds, store.Picture12[0].Picture(), store.Picture12[1].Picture());
    } else if (v < 0) {
        sprite(buffer, at(1), y_seconds, store.Picture12[4].Picture(), store.Picture12[3].Picture());
        sprite(buffer, at(2), y_seconds, digit(kRed, seconds[0]), digit_mask(seconds[0]));
        sprite(buffer, at(3), y_seconds, digit(kRed, seconds[1]), digit_mask(seconds[1]));
        sprite(buffer, at(4), y_seconds, store.Picture12[2].Picture(), store.Picture12[1].Picture());
    }

    popup_zeit = popup_zeit + 0.5;
    if (popup_zeit > kLastFrame) popup_zeit = -1;
}
