#include "pictures/canvas.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
Rgb mix(Rgb a, Rgb b, float t) { return a * (1.0f - t) + b * t; }
Rgb lighten(Rgb c, float t) { return mix(c, {255, 255, 255}, t); }
Rgb hex(std::uint32_t rgb) { return {float((rgb >> 16) & 0xff), float((rgb >> 8) & 0xff), float(rgb & 0xff)}; }

Coverage::Coverage(int w_, int h_, float fill) : w(w_), h(h_), v(std::size_t(w_) * h_, fill) {}

float Coverage::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return 0.0f;
    return v[y * w + x];
}

Coverage rasterize(int w, int h, const Shape& shape, int ss) {
    Coverage c(w, h);
    const float step = 1.0f / float(ss);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int hits = 0;
            for (int sy = 0; sy < ss; ++sy)
                for (int sx = 0; sx < ss; ++sx) hits += shape(x + (sx + 0.5f) * step, y + (sy + 0.5f) * step);
            c.ref(x, y) = float(hits) / float(ss * ss);
        }
    return c;
}

Coverage blur(const Coverage& c, int radius) {
    Coverage horizontal(c.w, c.h), out(c.w, c.h);
    const float n = float(2 * radius + 1);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            float sum = 0;
            for (int d = -radius; d <= radius; ++d) sum += c.at(x + d, y);
            horizontal.ref(x, y) = sum / n;
        }
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            float sum = 0;
            for (int d = -radius; d <= radius; ++d) sum += horizontal.at(x, y + d);
            out.ref(x, y) = sum / n;
        }
    return out;
}

static Coverage square_filter(const Coverage& c, int radius, bool take_max) {
    Coverage out(c.w, c.h);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            float best = c.at(x, y);
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx) {
                    const float v = c.at(x + dx, y + dy);
                    best = take_max ? std::max(best, v) : std::min(best, v);
                }
            out.ref(x, y) = best;
        }
    return out;
}

Coverage dilate(const Coverage& c, int radius) { return square_filter(c, radius, true); }
Coverage erode(const Coverage& c, int radius) { return square_filter(c, radius, false); }

Coverage combine_max(const Coverage& a, const Coverage& b) {
    Coverage out(a.w, a.h);
    for (std::size_t i = 0; i < out.v.size(); ++i) out.v[i] = std::max(a.v[i], b.v[i]);
    return out;
}

Image::Image(int w_, int h_, Rgb fill) : w(w_), h(h_), px(std::size_t(w_) * h_, fill) {}

void Image::blend(int x, int y, Rgb c, float alpha) {
    if (!contains(x, y) || alpha <= 0.0f) return;
    Rgb& p = at(x, y);
    p = mix(p, c, std::min(alpha, 1.0f));
}

void Image::fill_rect(Rect r, Rgb c) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            if (contains(x, y)) at(x, y) = c;
}

void Image::paint(const Coverage& c, const std::function<Rgb(int, int)>& colour, int ox, int oy) {
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            const float a = c.at(x, y);
            if (a > 0.0f) blend(ox + x, oy + y, colour(ox + x, oy + y), a);
        }
}

void Image::paint(const Coverage& c, Rgb colour, int ox, int oy) {
    paint(
        c, [colour](int, int) { return colour; }, ox, oy);
}

void Image::draw(const Image& src, int ox, int oy) {
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x)
            if (contains(ox + x, oy + y)) at(ox + x, oy + y) = src.at(x, y);
}

Image Image::crop(Rect r) const {
    Image out(r.w, r.h);
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x)
            if (contains(r.x + x, r.y + y)) out.at(x, y) = at(r.x + x, r.y + y);
    return out;
}

static std::uint8_t to_byte(float v) { return std::uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

void Image::quantize() {
    for (Rgb& p : px) p = {float(to_byte(p.r)), float(to_byte(p.g)), float(to_byte(p.b))};
}

bool Image::is_black(int x, int y) const {
    const Rgb& p = at(x, y);
    return to_byte(p.r) == 0 && to_byte(p.g) == 0 && to_byte(p.b) == 0;
}

float hash01(int x, int y, std::uint32_t seed) {
    std::uint32_t h = std::uint32_t(x) * 0x8da6b343u ^ std::uint32_t(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return float(h & 0xffffff) / float(0xffffff);
}

float value_noise(float x, float y, std::uint32_t seed) {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const float fx = x - x0, fy = y - y0;
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const float top = hash01(x0, y0, seed) * (1 - sx) + hash01(x0 + 1, y0, seed) * sx;
    const float bottom = hash01(x0, y0 + 1, seed) * (1 - sx) + hash01(x0 + 1, y0 + 1, seed) * sx;
    return top * (1 - sy) + bottom * sy;
}

float fractal_noise(float x, float y, std::uint32_t seed, int octaves) {
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += value_noise(x, y, seed + i * 101) * amplitude;
        total += amplitude;
        x *= 2.0f;
        y *= 2.0f;
        amplitude *= 0.5f;
    }
    return sum / total;
}

Image mask_of(const Image& image) {
    Image mask(image.w, image.h, {255, 255, 255});
    for (int y = 0; y < image.h; ++y)
        for (int x = 0; x < image.w; ++x)
            if (!image.is_black(x, y)) mask.at(x, y) = {0, 0, 0};
    return mask;
}

bool save_png(const Image& image, const std::filesystem::path& file) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, image.w, image.h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) {
        std::fprintf(stderr, "pictures: %s\n", SDL_GetError());
        return false;
    }
    for (int y = 0; y < image.h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < image.w; ++x) {
            const Rgb& p = image.at(x, y);
            row[x] = 0xff000000u | std::uint32_t(to_byte(p.r)) << 16 | std::uint32_t(to_byte(p.g)) << 8 | to_byte(p.b);
        }
    }
    const bool ok = IMG_SavePNG(surface, file.string().c_str()) == 0;
    if (!ok) std::fprintf(stderr, "pictures: cannot write %s: %s\n", file.string().c_str(), IMG_GetError());
    SDL_FreeSurface(surface);
    return ok;
}

Lighting light_relief(const Coverage& height, int x, int y, float steepness, float shininess) {
    const float gx = (height.at(x + 1, y) - height.at(x - 1, y)) * steepness;
    const float gy = (height.at(x, y + 1) - height.at(x, y - 1)) * steepness;
    float nx = -gx, ny = -gy, nz = 1.0f;
    const float n = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= n, ny /= n, nz /= n;
    // Light from the upper left and in front; the viewer looks straight on.
    const float lx = -0.5f, ly = -0.6f, lz = 0.62f;
    const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
    const float hx = lx, hy = ly, hz = lz + 1.0f;
    const float hn = std::sqrt(hx * hx + hy * hy + hz * hz);
    const float spec = std::pow(std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hn), shininess);
    return {diffuse, spec};
}
