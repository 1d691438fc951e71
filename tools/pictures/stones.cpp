// Cell tiles: gem stones of nine colours, each with a shape of its own so the
// colours can be told apart without colour vision, and the rocks of the attacks.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "pictures/art.h"

namespace {

// A shape in unit coordinates: u and v in -1..1, v growing downwards.
using UnitShape = bool (*)(float u, float v);

bool in_polygon(float u, float v, const float (*pts)[2], int n) {
    bool inside = false;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const float ui = pts[i][0], vi = pts[i][1], uj = pts[j][0], vj = pts[j][1];
        if ((vi > v) != (vj > v) && u < (uj - ui) * (v - vi) / (vj - vi) + ui) inside = !inside;
    }
    return inside;
}

bool in_regular(float u, float v, int corners, float radius, float turn) {
    float pts[16][2];
    for (int i = 0; i < corners; ++i) {
        const float a = turn + 2.0f * std::numbers::pi_v<float> * float(i) / float(corners);
        pts[i][0] = radius * std::cos(a);
        pts[i][1] = radius * std::sin(a);
    }
    return in_polygon(u, v, pts, corners);
}

bool round_gem(float u, float v) { return u * u + v * v <= 0.92f; }

bool drop_gem(float u, float v) {
    const float cy = 0.3f, r = 0.68f;
    if (u * u + (v - cy) * (v - cy) <= r * r) return true;
    return v >= -1.0f && v <= cy && std::fabs(u) <= (v + 1.0f) * 0.52f;
}

bool triangle_gem(float u, float v) { return v <= 0.78f && std::fabs(u) <= (v + 0.98f) * 0.58f; }

bool square_gem(float u, float v) {
    const float half = 0.8f, round = 0.28f;
    const float qx = std::max(std::fabs(u) - (half - round), 0.0f);
    const float qy = std::max(std::fabs(v) - (half - round), 0.0f);
    return qx * qx + qy * qy <= round * round;
}

bool star_gem(float u, float v) {
    float pts[10][2];
    for (int i = 0; i < 10; ++i) {
        const float a = -std::numbers::pi_v<float> / 2 + std::numbers::pi_v<float> * float(i) / 5.0f;
        const float r = i % 2 ? 0.5f : 1.05f;
        pts[i][0] = r * std::cos(a);
        pts[i][1] = r * std::sin(a) + 0.08f;
    }
    return in_polygon(u, v, pts, 10);
}

bool hexagon_gem(float u, float v) { return in_regular(u, v, 6, 0.98f, 0.0f); }

bool cross_gem(float u, float v) {
    const float arm = 0.36f, reach = 0.92f;
    return (std::fabs(u) <= arm && std::fabs(v) <= reach) || (std::fabs(v) <= arm && std::fabs(u) <= reach);
}

bool heart_gem(float u, float v) {
    const float x = u * 1.18f, y = -v * 1.18f + 0.2f;
    const float a = x * x + y * y - 1.0f;
    return a * a * a - x * x * y * y * y <= 0.0f;
}

bool moon_gem(float u, float v) {
    const bool disc = u * u + v * v <= 0.92f;
    const float du = u - 0.5f, dv = v + 0.32f;
    return disc && du * du + dv * dv > 0.5f;
}

bool diamond(float u, float v) { return std::fabs(u) + std::fabs(v) <= 1.0f; }

const UnitShape kStoneShapes[10] = {nullptr,  round_gem,   drop_gem,  triangle_gem, square_gem,
                                    star_gem, hexagon_gem, cross_gem, heart_gem,    moon_gem};

Coverage unit_coverage(UnitShape shape, float radius) {
    const float c = kCell / 2.0f;
    return rasterize(kCell, kCell, [&](float x, float y) { return shape((x - c) / radius, (y - c) / radius); });
}

// A cut gem: a bevelled rim around a flat table, lit from the upper left,
// with a dark edge so neighbouring stones stay apart.
Image gem(UnitShape shape, Rgb base, float radius, float gloss) {
    const Coverage body = unit_coverage(shape, radius);
    const Coverage table = unit_coverage(shape, radius * 0.55f);
    Coverage height = blur(blur(body, 2), 1);
    const Coverage table_height = blur(table, 1);
    for (std::size_t i = 0; i < height.v.size(); ++i) height.v[i] = height.v[i] * 0.75f + table_height.v[i] * 0.25f;
    const Coverage core = erode(body, 1);

    Image tile(kCell, kCell);
    tile.paint(body, [&](int x, int y) {
        const Lighting light = light_relief(height, x, y, 3.0f);
        const float shade = 0.18f + 1.05f * light.diffuse - 0.12f * float(y) / kCell;
        Rgb c = base * shade + Rgb{255, 255, 255} * (light.specular * gloss);
        return mix(base * 0.3f, c, 0.35f + 0.65f * core.at(x, y));
    });
    // A soft glint on the upper left of the table.
    const Coverage glint = blur(
        rasterize(kCell, kCell,
                  [&](float x, float y) {
                      const float u = (x - 16.0f) / radius + 0.32f, v = (y - 16.0f) / radius + 0.38f;
                      return u * u * 1.6f + v * v * 3.0f <= 0.05f && shape((x - 16.0f) / radius, (y - 16.0f) / radius);
                  }),
        1);
    tile.paint(glint, Rgb{255, 255, 255} * 1.0f);
    return tile;
}

// Rough rock: a rounded block with a noisy surface and a couple of cracks.
Coverage rock_body() {
    return rasterize(kCell, kCell, [](float x, float y) {
        const float qx = std::max(std::fabs(x - 16.0f) - 9.5f, 0.0f);
        const float qy = std::max(std::fabs(y - 16.0f) - 9.5f, 0.0f);
        const float wobble = (value_noise(x * 0.35f, y * 0.35f, 77) - 0.5f) * 2.2f;
        return qx * qx + qy * qy <= (5.5f + wobble) * (5.5f + wobble);
    });
}

float segment_distance(float px, float py, float ax, float ay, float bx, float by) {
    const float dx = bx - ax, dy = by - ay;
    const float t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    const float ex = px - (ax + t * dx), ey = py - (ay + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

float crack_depth(float x, float y) {
    static const float kCracks[][4] = {{7, 9, 13, 14}, {13, 14, 12, 21}, {22, 19, 26, 24}, {21, 6, 19, 10}};
    float d = 99.0f;
    for (const auto& c : kCracks) d = std::min(d, segment_distance(x, y, c[0], c[1], c[2], c[3]));
    return std::clamp(1.2f - d, 0.0f, 1.0f);
}

Image rock(std::uint32_t seed) {
    const Coverage body = rock_body();
    Coverage height = blur(body, 2);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            height.ref(x, y) = height.ref(x, y) * 0.8f + 0.3f * fractal_noise(x * 0.28f, y * 0.28f, seed) -
                               0.25f * crack_depth(x + 0.5f, y + 0.5f);
    const Coverage core = erode(body, 1);
    const Rgb dark = hex(0x4a4038), light = hex(0x9c9184);

    Image tile(kCell, kCell);
    tile.paint(body, [&](int x, int y) {
        const Lighting l = light_relief(height, x, y, 4.0f, 12.0f);
        const Rgb stone = mix(dark, light, fractal_noise(x * 0.2f, y * 0.2f, seed + 9));
        const Rgb lit = stone * (0.3f + 1.0f * l.diffuse) + Rgb{255, 240, 220} * (0.25f * l.specular);
        return mix(stone * 0.3f, lit, 0.4f + 0.6f * core.at(x, y));
    });
    return tile;
}

// Arrows carved into the attack rocks, in pixel coordinates of a tile.
struct ArrowHead {
    float length, slope;  // the head widens by slope per pixel back from its tip
};

bool right_head(float x, float y, float tip, ArrowHead head) {
    return x <= tip && x >= tip - head.length && std::fabs(y - 16.0f) <= (tip - x) * head.slope;
}

bool double_arrow(float x, float y, float tip, ArrowHead head, float half_shaft) {
    const bool shaft = std::fabs(y - 16.0f) <= half_shaft && x >= 32.0f - tip + 2.0f && x <= tip - 2.0f;
    return shaft || right_head(x, y, tip, head) || right_head(32.0f - x, y, tip, head);
}

bool row_arrow(float x, float y) { return double_arrow(x, y, 28.5f, {8.0f, 0.9f}, 2.2f); }

// Slimmer heads keep the four points apart; a small hub joins the shafts.
bool cross_arrow(float x, float y) {
    const ArrowHead head{6.0f, 0.7f};
    const bool hub = std::fabs(x - 16.0f) + std::fabs(y - 16.0f) <= 4.5f;
    return hub || double_arrow(x, y, 29.5f, head, 1.8f) || double_arrow(y, x, 29.5f, head, 1.8f);
}

Image carved(Image tile, bool (*arrow)(float, float)) {
    const Coverage ink = rasterize(kCell, kCell, arrow);
    const LetterStyle gold{hex(0xfff2a0), hex(0xf0a020), hex(0x3a2008), 1};
    letter_onto(tile, ink, gold);
    return tile;
}

}  // namespace

Rgb stone_colour(int colour) {
    static const std::uint32_t kColours[10] = {0x000000, 0xe0202c, 0x5ccaff, 0x2cc040, 0x2c5cf0,
                                               0xf8d020, 0xff8a18, 0x9a6034, 0xa848e0, 0xa0a4b0};
    return hex(kColours[colour]);
}

Image cell_tile(int code) {
    if (code >= 1 && code <= 9) return gem(kStoneShapes[code], stone_colour(code), 13.5f, 0.55f);
    if (code == 10) return rock(1);
    if (code == 11) return carved(rock(1), row_arrow);
    if (code == 12) return carved(rock(1), cross_arrow);
    return Image(kCell, kCell);
}

Image blink_tile(int colour) {
    if (colour < 1 || colour > 9) return Image(kCell, kCell);
    return gem(diamond, lighten(stone_colour(colour), 0.35f), 14.5f, 0.9f);
}

Image darker(const Image& tile) {
    Image out = tile;
    for (Rgb& p : out.px) p = p * 0.5f;
    return out;
}

Image vanish_frame(int frame) {
    static const float kRadius[4] = {5.0f, 10.0f, 16.0f, 30.0f};  // the last frame is all hole
    const float r = kRadius[std::clamp(frame, 0, 3)];
    Image tile = rock(1);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const float dx = x + 0.5f - 16.0f, dy = y + 0.5f - 16.0f;
            const float angle = std::atan2(dy, dx);
            const float edge = r * (0.85f + 0.3f * value_noise(angle * 2.5f + 10.0f, float(frame), 5));
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d < edge) tile.at(x, y) = {};
            else if (d < edge + 1.5f && !tile.is_black(x, y))
                tile.at(x, y) = mix(hex(0xff9a30), tile.at(x, y), (d - edge) / 1.5f);  // glowing rim of the hole
        }
    return tile;
}

Image smoke_frame(int frame) {
    static const float kScale[3] = {0.5f, 0.8f, 1.05f};
    static const float kDensity[3] = {1.0f, 0.8f, 0.5f};
    static const float kPuffs[][3] = {{0, 0, 7}, {-6, -3, 5},   {6, -4, 5.5f}, {-4, 6, 5},
                                      {5, 5, 6}, {0, -8, 4.5f}, {-9, 3, 4},    {9, 1, 4}};
    const float s = kScale[std::clamp(frame, 0, 2)];
    const Coverage cloud = blur(rasterize(kCell, kCell,
                                          [&](float x, float y) {
                                              for (const auto& p : kPuffs) {
                                                  const float dx = x - 16.0f - p[0] * s * 1.2f,
                                                              dy = y - 16.0f - p[1] * s * 1.2f;
                                                  if (dx * dx + dy * dy <= p[2] * p[2] * s * s * 1.3f) return true;
                                              }
                                              return false;
                                          }),
                                2);
    Image tile(kCell, kCell);
    const float density = kDensity[std::clamp(frame, 0, 2)];
    tile.paint(cloud, [&](int x, int y) {
        const float n = fractal_noise(x * 0.25f, y * 0.25f, 31 + frame);
        const Rgb grey = mix(hex(0x707078), hex(0xe8e8ee), n);
        const Rgb warm = mix(grey, hex(0xffd080), frame == 0 ? 0.35f : 0.0f);
        return warm * (density * (0.55f + 0.45f * cloud.at(x, y)));
    });
    return tile;
}

Image cursor_image() {
    Image img(2 * kCell, kCell);
    const Rgb white = hex(0xffffff), pale = hex(0xc8dcff);
    // Two-pixel frame round both cells: white inside, a paler line outside.
    for (int x = 0; x < img.w; ++x)
        for (int y = 0; y < img.h; ++y) {
            const int edge = std::min({x, y, img.w - 1 - x, img.h - 1 - y});
            if (edge == 0) img.at(x, y) = pale;
            if (edge == 1) img.at(x, y) = white;
        }
    // Heavier corner brackets.
    for (int x = 0; x < img.w; ++x)
        for (int y = 0; y < img.h; ++y) {
            const int dx = std::min(x, img.w - 1 - x), dy = std::min(y, img.h - 1 - y);
            if ((dx < 8 && dy < 4) || (dy < 8 && dx < 4)) img.at(x, y) = white;
        }
    // Small ticks where the two cells meet, top and bottom.
    for (int y = 0; y < 5; ++y)
        for (int x = kCell - 1; x <= kCell; ++x) {
            img.at(x, y) = white;
            img.at(x, img.h - 1 - y) = white;
        }
    return img;
}

Image speed_lamp(bool lit) {
    const Coverage bezel = rasterize(kCell, kCell, [](float x, float y) {
        const float dx = x - 16.0f, dy = y - 16.0f;
        return dx * dx + dy * dy <= 14.0f * 14.0f;
    });
    const Coverage glass = rasterize(kCell, kCell, [](float x, float y) {
        const float dx = x - 16.0f, dy = y - 16.0f;
        return dx * dx + dy * dy <= 10.5f * 10.5f;
    });
    const Coverage bezel_height = blur(bezel, 2);
    Image tile(kCell, kCell);
    tile.paint(bezel, [&](int x, int y) {
        const Lighting l = light_relief(bezel_height, x, y, 3.0f);
        return hex(0x50586a) * (0.3f + 1.1f * l.diffuse) + Rgb{255, 255, 255} * (0.4f * l.specular);
    });
    const Rgb centre = lit ? hex(0xb8ff90) : hex(0x0c200e);
    const Rgb rim = lit ? hex(0x18a020) : hex(0x040a05);
    tile.paint(glass, [&](int x, int y) {
        const float dx = x + 0.5f - 14.5f, dy = y + 0.5f - 14.5f;
        return mix(centre, rim, std::min(std::sqrt(dx * dx + dy * dy) / 11.0f, 1.0f));
    });
    const Coverage glint = blur(rasterize(kCell, kCell,
                                          [](float x, float y) {
                                              const float dx = (x - 12.5f) / 4.0f, dy = (y - 11.0f) / 2.5f;
                                              return dx * dx + dy * dy <= 1.0f;
                                          }),
                                1);
    tile.paint(glint, lit ? hex(0xffffff) : hex(0x4a5a50));
    return tile;
}
