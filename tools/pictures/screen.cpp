// The game screen: its background with framed wells behind every box, the
// caption pictures, the difficulty badges, the meter and the panel backgrounds.
#include <algorithm>
#include <cmath>

#include "pictures/art.h"

namespace {

constexpr int kScreenW = 800, kScreenH = 600;

// Boxes of the game screen as the running game places them.
constexpr Rect kPlayerBoard{56, 24, 288, 576};  // board and attack meter below it
constexpr Rect kComputerBoard{456, 24, 288, 576};
constexpr Rect kProgressChannel{352, 114, 96, 416};  // where the progress column slides
constexpr Rect kPlaceLadder{2, 52, 48, 424};
constexpr Rect kSpeedMeters[2] = {{8, 496, 32, 96}, {759, 496, 32, 96}};
constexpr Rect kLevelPlate{352, 34, 96, 56};
constexpr Rect kClockPlate{352, 543, 96, 57};

const Rgb kBlack{};

float smoothstep(float a, float b, float x) {
    const float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// Distance in pixels to the nearest line of a diagonal lattice.
float lattice_distance(float x, float y, float pitch) {
    const float a = std::fmod(x + y, pitch), b = std::fmod(x - y + 4 * pitch, pitch);
    const float da = std::min(a, pitch - a), db = std::min(b, pitch - b);
    return std::min(da, db) / std::sqrt(2.0f);
}

// Chebyshev distance from a pixel outside r to r; 0 inside.
int distance_outside(Rect r, int x, int y) {
    const int dx = std::max({r.x - x, x - (r.x + r.w - 1), 0});
    const int dy = std::max({r.y - y, y - (r.y + r.h - 1), 0});
    return std::max(dx, dy);
}

}  // namespace

// Deep indigo stone, embossed with a faint diamond lattice.
Image textured_ground() {
    Coverage height(kScreenW, kScreenH);
    for (int y = 0; y < kScreenH; ++y)
        for (int x = 0; x < kScreenW; ++x) {
            const float groove = 1.0f - smoothstep(0.0f, 1.6f, lattice_distance(x + 0.5f, y + 0.5f, 40.0f));
            height.ref(x, y) = 0.3f * fractal_noise(x / 24.0f, y / 24.0f, 404) - 0.35f * groove;
        }
    Image img(kScreenW, kScreenH);
    for (int y = 0; y < kScreenH; ++y)
        for (int x = 0; x < kScreenW; ++x) {
            const Lighting l = light_relief(height, x, y, 6.0f, 16.0f);
            const float dx = (x - 400.0f) / 420.0f, dy = (y - 280.0f) / 340.0f;
            const float glow = std::max(0.0f, 1.0f - (dx * dx + dy * dy));
            const Rgb base = mix(hex(0x141238), hex(0x2a2670), glow * 0.8f);
            const float tone = 0.75f + 0.25f * fractal_noise(x / 90.0f, y / 90.0f, 17);
            img.at(x, y) = base * (tone * (0.55f + 0.6f * l.diffuse)) + hex(0x8080ff) * (0.06f * l.specular);
        }
    return img;
}

// A soft shadow cast down and right by a raised frame around r.
void cast_shadow(Image& img, Rect r, int reach) {
    const Rect s{r.x + 2, r.y + 3, r.w, r.h};
    for (int y = s.y - reach; y < s.y + s.h + reach; ++y)
        for (int x = s.x - reach; x < s.x + s.w + reach; ++x) {
            if (!img.contains(x, y)) continue;
            const int d = distance_outside(s, x, y);
            img.at(x, y) = img.at(x, y) * (0.45f + 0.55f * float(d) / float(reach));
        }
}

// A bevelled steel frame of the given thickness just outside r; r itself is
// filled plain so the game's box fits it exactly.
void framed_well(Image& img, Rect r, int thickness) {
    cast_shadow(img, {r.x - thickness, r.y - thickness, r.w + 2 * thickness, r.h + 2 * thickness}, 6);
    for (int y = r.y - thickness; y < r.y + r.h + thickness; ++y)
        for (int x = r.x - thickness; x < r.x + r.w + thickness; ++x) {
            if (!img.contains(x, y)) continue;
            const int d = distance_outside(r, x, y);
            if (d == 0) {
                img.at(x, y) = kBlack;
                continue;
            }
            // The upper and left sides catch the light, the others lie in shade.
            const int top = r.y - y, left = r.x - x, bottom = y - (r.y + r.h - 1), right = x - (r.x + r.w - 1);
            const bool lit_side = std::max(top, left) >= std::max(bottom, right);
            const Rgb steel = lit_side ? hex(0x8c9ad8) : hex(0x3a4278);
            if (d == 1) img.at(x, y) = hex(0x0c0e22);               // a dark seam next to the box
            else if (d == thickness) img.at(x, y) = steel * 0.55f;  // the outer edge
            else img.at(x, y) = steel * (1.0f - 0.2f * float(d - 2) / float(thickness - 2));
        }
}

void plate(Image& img, Rect r, const PlateLook& look) {
    cast_shadow(img, r, look.shadow);
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            if (!img.contains(x, y)) continue;
            const int edge = std::min({x - r.x, y - r.y, r.x + r.w - 1 - x, r.y + r.h - 1 - y});
            const float t = float(y - r.y) / float(r.h);
            Rgb c = mix(look.top, look.bottom, t);
            if (edge == 0) c = look.outer;
            else if (edge == 1) c = (y - r.y <= 1 || x - r.x <= 1) ? look.inner_lit : look.inner_shaded;
            img.at(x, y) = c;
        }
}

// A raised plate behind a caption and its panel.
void plate(Image& img, Rect r) {
    plate(img, r, {hex(0x3c3a8a), hex(0x1c1a4c), hex(0x0a0a20), hex(0x8e90e0), hex(0x24245a), 5});
}

// A small raised diamond stud, as decoration in a panel's margin.
void stud(Image& img, int cx, int cy, Rgb colour) {
    const Coverage body =
        rasterize(9, 9, [](float x, float y) { return std::fabs(x - 4.5f) + std::fabs(y - 4.5f) <= 3.6f; });
    const Coverage height = blur(body, 1);
    img.paint(
        body,
        [&](int x, int y) {
            const Lighting l = light_relief(height, x - (cx - 4), y - (cy - 4), 3.0f);
            return colour * (0.3f + 1.0f * l.diffuse) + Rgb{255, 255, 255} * (0.5f * l.specular);
        },
        cx - 4, cy - 4);
}

// Dark panel with a two-pixel blue border and rounded corners.
Image bordered_panel(int w, int h) {
    Image img(w, h, kBlack);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int edge = std::min({x, y, w - 1 - x, h - 1 - y});
            const float t = float(y) / float(h - 1);
            if (edge == 0) img.at(x, y) = mix(hex(0x6890ff), hex(0x24408c), t);
            if (edge == 1) img.at(x, y) = mix(hex(0x2a4aa8), hex(0x12204c), t);
        }
    for (int cx : {0, w - 1})
        for (int cy : {0, h - 1}) img.at(cx, cy) = hex(0x080818);
    return img;
}

LetterStyle caption_style() { return {hex(0xfff4c0), hex(0xf0a828), hex(0x1a0c02), 1}; }

// Centred vertically on the band from the capitals' top to the baseline, not on the ink, so
// that a descender ("Highscore", "Spielzeit") does not lift a caption above its neighbours.
void centred_text(Image& img, const std::string& text, int point_size, const LetterStyle& style) {
    const Font font(point_size);
    const Coverage line = font.text(text);
    const Rect box = ink_box(line);
    const int cap_top = ink_box(font.text("H")).y;
    const int cap_height = font.ascent() - cap_top;
    letter_onto(img, line, style, (img.w - box.w) / 2 - box.x, (img.h - cap_height) / 2 - cap_top);
}

// A rounded, embossed plaque filled with one colour.
Image plaque(int w, int h, Rgb fill, Rgb border) {
    const Coverage body = rasterize(w, h, [w, h](float x, float y) {
        const float r = 5.0f;
        const float qx = std::max(std::fabs(x - w / 2.0f) - (w / 2.0f - 1 - r), 0.0f);
        const float qy = std::max(std::fabs(y - h / 2.0f) - (h / 2.0f - 1 - r), 0.0f);
        return qx * qx + qy * qy <= r * r;
    });
    const Coverage face = erode(erode(body, 1), 1);
    const Coverage height = blur(face, 1);
    Image img(w, h);
    img.paint(body, border);
    img.paint(face, [&](int x, int y) {
        const Lighting l = light_relief(height, x, y, 2.5f);
        const float t = float(y) / float(h);
        return mix(lighten(fill, 0.25f), fill * 0.7f, t) * (0.4f + 0.85f * l.diffuse) +
               Rgb{255, 255, 255} * (0.3f * l.specular);
    });
    return img;
}

Image screen_background() {
    Image img = textured_ground();
    framed_well(img, kPlaceLadder, 2);
    plate(img, {-2, -2, 58, 24});  // under the place caption
    framed_well(img, kProgressChannel, 3);
    plate(img, kLevelPlate);
    plate(img, kClockPlate);
    framed_well(img, kPlayerBoard, 3);
    framed_well(img, kComputerBoard, 3);
    for (const Rect& meter : kSpeedMeters) framed_well(img, meter, 3);
    img.fill_rect({270, 0, 262, 32}, kBlack);    // score panel
    img.fill_rect({348, 58, 104, 30}, kBlack);   // level panel
    img.fill_rect({348, 567, 104, 30}, kBlack);  // clock panel
    return img;
}

Image caption_on_background(const Image& background, Rect where, const std::string& text) {
    Image img = background.crop(where);
    centred_text(img, text, 13, caption_style());
    return img;
}

Image pause_plaque() {
    Image img = plaque(106, 31, hex(0x2a2878), hex(0xe0b040));
    centred_text(img, "Pause", 17, caption_style());
    return img;
}

Image difficulty_badge(int difficulty) {
    static const char* const kNames[4] = {"", "leicht", "normal", "schwer"};
    static const std::uint32_t kFill[4] = {0, 0x1c9a3a, 0xd08a10, 0xc01c24};
    const int d = std::clamp(difficulty, 1, 3);
    Image img = plaque(106, 31, hex(kFill[d]), hex(0x0c0c24));
    centred_text(img, kNames[d], 15, {hex(0xffffff), hex(0xe8e8f0), hex(0x100c08), 1});
    return img;
}

Image meter_frame() {
    Image img(288, 32);
    framed_well(img, {4, 4, 280, 24}, 4);
    return img;
}

Image meter_bar(bool full) {
    Image img(280, 24);
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            const float across = float(x) / float(img.w - 1);
            Rgb c = hex(0x0a0c1c);
            if (full) {
                c = across < 0.5f ? mix(hex(0x20d040), hex(0xffe020), across * 2.0f)
                                  : mix(hex(0xffe020), hex(0xf01818), across * 2.0f - 1.0f);
            }
            // A glassy band along the top, darker towards the foot.
            const float v = float(y) / float(img.h - 1);
            c = v < 0.35f ? lighten(c, (0.35f - v) * (full ? 1.2f : 0.25f)) : c * (1.0f - 0.45f * (v - 0.35f));
            if (x % 20 == 19) c = full ? c * 0.6f : hex(0x1a1e36);  // segment marks
            img.at(x, y) = c;
        }
    return img;
}

Image score_panel() {
    Image img = bordered_panel(262, 32);
    stud(img, 7, 16, hex(0x50e060));
    stud(img, 254, 16, hex(0x50e060));
    return img;
}

Image level_panel() {
    Image img = bordered_panel(104, 30);
    stud(img, 7, 15, hex(0x50e060));
    stud(img, 95, 15, hex(0x50e060));
    return img;
}

Image place_panel() { return bordered_panel(56, 32); }

Image clock_panel() {
    Image img = bordered_panel(104, 30);
    // The colon between the minute digits (ending at x 46) and the second digits (from x 56).
    const Coverage dots = rasterize(104, 30, [](float x, float y) {
        const float dx = x - 51.0f;
        const float d1 = y - 11.5f, d2 = y - 19.5f;
        return dx * dx + std::min(d1 * d1, d2 * d2) <= 4.4f;
    });
    letter_onto(img, dots, tint_style(Tint::green), 0, 0, Rect{0, 6, 104, 18});
    return img;
}
