#include "pictures/lettering.h"

#include <algorithm>
#include <cstdio>

static const char* const kBoldFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
static const char* const kBookFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

Font::Font(int point_size, bool bold) {
    const char* file = bold ? kBoldFontFile : kBookFontFile;
    font_ = TTF_OpenFont(file, point_size);
    if (!font_) std::fprintf(stderr, "pictures: cannot open %s: %s\n", file, TTF_GetError());
}

int Font::line_height() const { return TTF_FontLineSkip(font_); }

int Font::ascent() const { return TTF_FontAscent(font_); }

Font::~Font() {
    if (font_) TTF_CloseFont(font_);
}

Coverage Font::text(const std::string& utf8) const {
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font_, utf8.c_str(), SDL_Color{255, 255, 255, 255});
    if (!rendered) return Coverage(1, 1);
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!argb) return Coverage(1, 1);
    Coverage c(argb->w, argb->h);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < argb->w; ++x) c.ref(x, y) = float(row[x] >> 24) / 255.0f;
    }
    SDL_FreeSurface(argb);
    return c;
}

int Font::width(const std::string& utf8) const {
    int w = 0, h = 0;
    TTF_SizeUTF8(font_, utf8.c_str(), &w, &h);
    return w;
}

Rect ink_box(const Coverage& c) {
    int x0 = c.w, y0 = c.h, x1 = -1, y1 = -1;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            if (c.at(x, y) > 0.0f) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
    if (x1 < 0) return {0, 0, 0, 0};
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

Coverage placed(const Coverage& src, int w, int h, int ox, int oy) {
    Coverage out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out.ref(x, y) = src.at(x - ox, y - oy);
    return out;
}

Rgb letter_fill(const LetterStyle& style, Rect box, int y) {
    const float t = box.h > 1 ? std::clamp(float(y - box.y) / float(box.h - 1), 0.0f, 1.0f) : 0.5f;
    return mix(style.top, style.bottom, t);
}

// Opacity of the outlined letter: the ink grown by the rim width.
static Coverage outlined(const Coverage& ink, int rim_width) { return dilate(ink, rim_width); }

Image letter_sprite(const Coverage& ink, const LetterStyle& style, Rect band) {
    const Coverage body = outlined(ink, style.rim_width);
    const Rect box = band.h > 0 ? band : ink_box(ink);
    Image out(ink.w, ink.h);
    for (int y = 0; y < ink.h; ++y)
        for (int x = 0; x < ink.w; ++x) {
            // A hard edge at a quarter coverage keeps the letter's outline crisp
            // and makes its shape the same for every colour.
            if (body.at(x, y) < 0.25f) continue;
            out.at(x, y) = mix(style.rim, letter_fill(style, box, y), ink.at(x, y));
        }
    return out;
}

void letter_onto(Image& target, const Coverage& ink, const LetterStyle& style, int ox, int oy, Rect band) {
    const Coverage body = outlined(ink, style.rim_width);
    const Rect box = band.h > 0 ? band : ink_box(ink);
    for (int y = 0; y < ink.h; ++y)
        for (int x = 0; x < ink.w; ++x) {
            const float a = body.at(x, y);
            if (a <= 0.0f) continue;
            target.blend(ox + x, oy + y, mix(style.rim, letter_fill(style, box, y), ink.at(x, y)), a);
        }
}
