// Draws every picture of the game: the picture store's sets into form2/ as
// <set>_<index>.png (or <set>.png for a single box), the game screen's
// pictures into form1/, the menu's, the high-score screen's and the name entry's into
// form3/, form4/ and form6/.
#include "pictures/pictures.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <string>

#include "pictures/art.h"

namespace {

namespace fs = std::filesystem;

// True when mask is black exactly where image is not black: the AND-then-XOR
// sprite copy then puts the image's opaque pixels, and only those, on the board.
bool mask_fits(const Image& image, const Image& mask) {
    if (image.w != mask.w || image.h != mask.h) return false;
    for (int y = 0; y < image.h; ++y)
        for (int x = 0; x < image.w; ++x)
            if (mask.is_black(x, y) == image.is_black(x, y)) return false;
    return true;
}

class PictureWriter {
public:
    explicit PictureWriter(fs::path dir) : dir_(std::move(dir)) {}

    void put(const std::string& name, Image image) {
        image.quantize();
        const fs::path file = dir_ / (name + ".png");
        std::error_code ec;
        fs::create_directories(file.parent_path(), ec);
        if (!save_png(image, file)) ok_ = false;
    }

    // Saves an image whose mask is stored elsewhere, after checking that the mask fits it.
    void put_masked(const std::string& name, Image image, const Image& mask) {
        image.quantize();
        if (!mask_fits(image, mask)) {
            std::fprintf(stderr, "pictures: the mask does not fit %s\n", name.c_str());
            ok_ = false;
        }
        put(name, image);
    }

    bool ok() const { return ok_; }

private:
    fs::path dir_;
    bool ok_ = true;
};

std::string indexed(const std::string& set, int index) { return set + "_" + std::to_string(index); }

Image quantized(Image image) {
    image.quantize();
    return image;
}

void draw_board_tiles(PictureWriter& out) {
    for (int code = 0; code <= 12; ++code) out.put(indexed("form2/picture1", code), cell_tile(code));
    for (int colour = 0; colour <= 9; ++colour) out.put(indexed("form2/picture4", colour), blink_tile(colour));
    for (int code = 0; code <= 9; ++code) out.put(indexed("form2/picture5", code), darker(cell_tile(code)));
    for (int frame = 0; frame <= 3; ++frame) out.put(indexed("form2/picture7", frame), vanish_frame(frame));
    for (int frame = 0; frame <= 2; ++frame) out.put(indexed("form2/picture8", frame), smoke_frame(frame));

    const Image cursor = quantized(cursor_image());
    out.put("form2/picture6_0", cursor);
    out.put("form2/picture6_1", mask_of(cursor));

    out.put("form2/picture2_0", Image(416, 32));
    out.put("form2/picture2_1", Image(416, 32, {255, 255, 255}));
    out.put("form2/picture11_0", speed_lamp(true));
    out.put("form2/picture11_1", speed_lamp(false));
    out.put("form2/picture13", Image(32, 416));
}

void draw_digits_and_glyphs(PictureWriter& out) {
    // One mask serves the 22 x 22 digits of every colour.
    const std::vector<Image> green = digit_set(22, Tint::green);
    std::vector<Image> masks;
    for (const Image& digit : green) masks.push_back(mask_of(quantized(digit)));
    for (int d = 0; d < 10; ++d) out.put(indexed("form2/picture10", d), masks[d]);

    const std::pair<int, Tint> small_sets[] = {{0, Tint::green}, {20, Tint::orange}, {30, Tint::blue}, {40, Tint::red}};
    for (const auto& [base, tint] : small_sets) {
        const std::vector<Image> digits = digit_set(22, tint);
        for (int d = 0; d < 10; ++d) out.put_masked(indexed("form2/picture9", base + d), digits[d], masks[d]);
    }
    const std::vector<Image> score_digits = digit_set(26, Tint::green);
    for (int d = 0; d < 10; ++d) out.put(indexed("form2/picture9", 10 + d), score_digits[d]);

    const Image s_mask = mask_of(quantized(popup_letter_s(Tint::blue)));
    const Image minus_mask = mask_of(quantized(popup_minus(Tint::red)));
    out.put_masked("form2/picture12_0", popup_letter_s(Tint::blue), s_mask);
    out.put("form2/picture12_1", s_mask);
    out.put_masked("form2/picture12_2", popup_letter_s(Tint::red), s_mask);
    out.put("form2/picture12_3", minus_mask);
    out.put_masked("form2/picture12_4", popup_minus(Tint::red), minus_mask);

    const Image word = quantized(game_over_word());
    out.put("form2/picture15_0", word);
    out.put("form2/picture15_1", mask_of(word));
}

void draw_game_screen(PictureWriter& out) {
    const Image background = quantized(screen_background());
    out.put("form1/background", background);
    out.put("form1/picture17", caption_on_background(background, {0, 0, 56, 21}, "Platz"));
    out.put("form1/picture15", caption_on_background(background, {362, 546, 76, 21}, "Zeit"));
    out.put("form1/picture9", caption_on_background(background, {362, 37, 76, 21}, "Level"));
    out.put("form1/picture20", pause_plaque());
    out.put("form1/picture19", difficulty_badge(1));
    out.put("form1/picture5", meter_frame());
    out.put("form1/picture6", meter_bar(true));
    out.put("form1/picture7", meter_bar(false));
    out.put("form1/picture10", score_panel());
    out.put("form1/picture12", level_panel());
    out.put("form1/picture18", place_panel());
    out.put("form1/picture13", Image(32, 416));
    out.put("form2/picture14", clock_panel());
}

// Buttons keep their faces in invisible members: <set>_1 normal and <set>_2 lit; option sets
// hold the normal faces at 3..5 and the chosen ones at 6..8.
void draw_menu_screens(PictureWriter& out) {
    out.put("form3/background", menu_background());
    const std::pair<const char*, std::pair<int, const char*>> buttons[] = {{"form3/picture1", {106, "Start"}},
                                                                           {"form3/picture5", {123, "Highscore"}},
                                                                           {"form3/picture6", {106, "Hilfe"}},
                                                                           {"form4/picture2", {123, "OK"}}};
    for (const auto& [set, face] : buttons) {
        out.put(indexed(set, 1), menu_button(face.first, face.second, false));
        out.put(indexed(set, 2), menu_button(face.first, face.second, true));
    }
    const char* const difficulties[] = {"leicht", "normal", "schwer"};
    const char* const play_times[] = {"10 min", "20 min", "30 min"};
    for (int i = 0; i < 3; ++i) {
        out.put(indexed("form3/picture2", 3 + i), option_face(difficulties[i]));
        out.put(indexed("form3/picture2", 6 + i), difficulty_badge(i + 1));
        out.put(indexed("form3/picture3", 3 + i), option_face(play_times[i]));
        out.put(indexed("form3/picture3", 6 + i), play_time_chosen(play_times[i]));
    }
    out.put("form3/picture4", close_button());
    out.put("form3/picture7", help_overlay());

    out.put("form6/background", name_entry_background());

    const Image background = quantized(highscore_background());
    out.put("form4/background", background);
    const char* const headings[] = {"Platz", "Punkte", "Name", "Level", "Spielzeit"};
    const int heading_left[] = {152, 264, 352, 440, 528};
    for (int i = 0; i < 5; ++i)
        out.put(indexed("form4/picture3", i),
                caption_on_background(background, {heading_left[i], 160, i == 4 ? 82 : 76, 21}, headings[i]));
}

}  // namespace

bool draw_pictures(const std::filesystem::path& dir) {
    if (TTF_Init() != 0) {
        std::fprintf(stderr, "pictures: %s\n", TTF_GetError());
        return false;
    }
    PictureWriter out(dir);
    draw_board_tiles(out);
    draw_digits_and_glyphs(out);
    draw_game_screen(out);
    draw_menu_screens(out);
    TTF_Quit();
    return out.ok();
}
