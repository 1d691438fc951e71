// Captions that stand side by side on a screen must share their baseline: a word with a
// descender ("Highscore", "Spielzeit") centred on its ink would sit higher than its neighbours.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/pictures.h"

namespace {
// The warm fill of the lettering (cream to amber); faces, frames and backgrounds behind it are
// blue, and the frames' gold lies outside the inset searched.
bool lettering(uint32_t p) {
    const int r = int(p >> 16 & 0xff), b = int(p & 0xff);
    return r >= 0xa0 && r > b + 40;
}

// The baseline of a caption: the lowest row of its first letter, a capital without descender.
int baseline(const Image& picture) {
    const int inset = 5;
    int left = -1;
    for (int x = inset; x < picture.width - inset && left < 0; ++x)
        for (int y = inset; y < picture.height - inset; ++y)
            if (lettering(picture.at(x, y))) left = x;
    if (left < 0) return -1;
    int bottom = -1;
    for (int x = left; x < left + 4; ++x)
        for (int y = inset; y < picture.height - inset; ++y)
            if (lettering(picture.at(x, y))) bottom = std::max(bottom, y);
    return bottom;
}

TEST(Captions, NeighboursShareTheirBaseline) {
    const std::vector<std::vector<std::string>> rows = {
        {"form3/picture5_1", "form3/picture1_1", "form3/picture6_1"},  // Highscore, Start, Hilfe
        {"form3/picture5_2", "form3/picture1_2", "form3/picture6_2"},  // the same, lit
        {"form4/picture3_0", "form4/picture3_1", "form4/picture3_2", "form4/picture3_3", "form4/picture3_4"},
    };
    for (const auto& row : rows) {
        const int first = baseline(embedded_picture(row.front()));
        ASSERT_GE(first, 0) << row.front();
        for (const auto& name : row) {
            EXPECT_EQ(baseline(embedded_picture(name)), first) << name << " against " << row.front();
        }
    }
}
}  // namespace
