#pragma once
// A small floating-point raster for drawing the game's pictures: colours,
// coverage maps (anti-aliased shapes), blending, noise and PNG output.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

struct Rgb {
    float r = 0, g = 0, b = 0;  // 0..255
};

Rgb operator+(Rgb a, Rgb b);
Rgb operator*(Rgb a, float k);
Rgb mix(Rgb a, Rgb b, float t);  // t = 0 gives a, 1 gives b
Rgb lighten(Rgb c, float t);     // towards white
Rgb hex(std::uint32_t rgb);

struct Rect {
    int x, y, w, h;
};

// A grey-level map of the same shape as a picture, 0..1 per pixel.
struct Coverage {
    int w = 0, h = 0;
    std::vector<float> v;

    Coverage(int w, int h, float fill = 0.0f);
    float at(int x, int y) const;  // 0 outside the map
    float& ref(int x, int y) { return v[y * w + x]; }
};

// Inside test in continuous pixel coordinates (pixel (0,0) spans 0..1).
using Shape = std::function<bool(float x, float y)>;

// Anti-aliased coverage of a shape, sampled ss x ss times per pixel.
Coverage rasterize(int w, int h, const Shape& shape, int ss = 4);
Coverage blur(const Coverage& c, int radius);    // box blur, run twice by callers for smoothness
Coverage dilate(const Coverage& c, int radius);  // max over a (2r+1) square
Coverage erode(const Coverage& c, int radius);   // min over a (2r+1) square
Coverage combine_max(const Coverage& a, const Coverage& b);

struct Image {
    int w = 0, h = 0;
    std::vector<Rgb> px;

    Image(int w, int h, Rgb fill = {});
    Rgb& at(int x, int y) { return px[y * w + x]; }
    const Rgb& at(int x, int y) const { return px[y * w + x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    void blend(int x, int y, Rgb c, float alpha);
    void fill_rect(Rect r, Rgb c);
    // Paints colour(x, y) through the coverage map placed at (ox, oy).
    void paint(const Coverage& c, const std::function<Rgb(int, int)>& colour, int ox = 0, int oy = 0);
    void paint(const Coverage& c, Rgb colour, int ox = 0, int oy = 0);
    void draw(const Image& src, int ox, int oy);  // plain copy, clipped
    Image crop(Rect r) const;
    // Rounds to 8 bits as the PNG will hold it, so "black" means exactly 0,0,0.
    void quantize();
    bool is_black(int x, int y) const;
};

// Deterministic noise: a lattice hash and smooth value noise with octaves.
float hash01(int x, int y, std::uint32_t seed);
float value_noise(float x, float y, std::uint32_t seed);
float fractal_noise(float x, float y, std::uint32_t seed, int octaves = 4);

// Mask of a sprite: black where the image is not black, white elsewhere.
Image mask_of(const Image& image);

bool save_png(const Image& image, const std::filesystem::path& file);

// Light falling from the upper left onto a height map (0..1 per pixel).
struct Lighting {
    float diffuse;   // 0..1, about 0.7 on flat ground
    float specular;  // 0..1 highlight
};
Lighting light_relief(const Coverage& height, int x, int y, float steepness, float shininess = 24.0f);
