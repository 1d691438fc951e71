#include "runtime/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/system.h"
#include "runtime/test_backend.h"
#include "support/sample_screen.h"

namespace {
class Controls : public ScreenTest {};

TEST_F(Controls, LabelColourComponentsBeyondTheRangeCountAsItsEnds) {
    rt::Label label;
    label.SetForeColor(300, -4, 256);
    EXPECT_EQ(label.ForeColor(), rgb(255, 0, 255));
}

// Draws every other character as a solid 8 × 16 block, so each one shows as a run of its own.
class StripedText : public rt::TestBackend {
    Image render_text(const std::string& text, int, uint32_t colour) override {
        Image image(8 * static_cast<int>(text.size()), 16);
        for (int x = 0; x < image.width; ++x) {
            for (int y = 0; y < image.height; ++y) image.at(x, y) = colour | ((x / 8) % 2 == 0 ? 0xFF000000u : 0);
        }
        return image;
    }
};

TEST_F(Controls, ALabelNarrowsATextWiderThanItselfInsteadOfCuttingItOff) {
    struct Case {
        const char* text;
        int label_width;
        rt::Label::Align align;
        std::vector<int> lit;  // the first and last frame column the text covers; how many characters show
    };
    const Case cases[] = {
        {"ABC", 40, rt::Label::Align::Left, {100, 123, 2}},  // fits: drawn as it is
        {"ABC", 40, rt::Label::Align::Right, {116, 139, 2}},
        {"ABCDEFGH", 32, rt::Label::Align::Left, {100, 127, 4}},  // 64 wide into 32: every character stays
        {"ABCDEFGH", 32, rt::Label::Align::Right, {100, 127, 4}},
    };
    StripedText striped;
    rt::install_backend(&striped);
    for (const Case& c : cases) {
        Image frame(300, 50);
        rt::Label label;
        label.place(100, 10, c.label_width, 17);
        label.alignment = c.align;
        label.SetForeColor(255, 255, 255);
        label.Caption = c.text;
        label.draw(frame, 0, 0, {0, 0, frame.width, frame.height});
        std::vector<int> lit = {-1, -1, 0};
        for (int x = 0; x < frame.width; ++x) {
            if (frame.at(x, 15) != rgb(255, 255, 255)) continue;
            if (x == 0 || frame.at(x - 1, 15) != rgb(255, 255, 255)) ++lit[2];
            if (lit[0] < 0) lit[0] = x;
            lit[1] = x;
        }
        EXPECT_EQ(lit, c.lit) << c.text << " in " << c.label_width;
    }
    rt::install_backend(&backend);
}
}  // namespace
