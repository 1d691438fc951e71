#include "frame/picture_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/image.h"
#include "support/game_test.h"

namespace {
class PictureStoreTest : public GameTest {};

TEST_F(PictureStoreTest, ANameWithoutAMemberIsAnError) {
    struct Case {
        const char* set;
        int index;
    };
    const Case cases[] = {{"picture3", -1}, {"picture16", 0}, {"Picture1", 0}, {"", -1},
                          {"picture1", 13}, {"picture9", -1}, {"picture13", 0}};
    for (const Case& c : cases) EXPECT_ANY_THROW(Form2->element(c.set, c.index)) << c.set << " " << c.index;
    EXPECT_EQ(&Form2->element("picture9", 49), &Form2->Picture9[49]);
    EXPECT_EQ(&Form2->element("picture14", -1), &Form2->Picture14);
}

// A mask is black exactly where its image is not, and white elsewhere, so that AND then XOR
// puts the image's opaque part over anything.
TEST_F(PictureStoreTest, MasksMatchTheirImagesToThePixel) {
    struct Pair {
        std::string what;
        const Image& image;
        const Image& mask;
    };
    PictureStore& s = Form2.get();
    std::vector<Pair> pairs = {
        {"cursor", s.Picture6[0].Picture(), s.Picture6[1].Picture()},
        {"blue s", s.Picture12[0].Picture(), s.Picture12[1].Picture()},
        {"red s", s.Picture12[2].Picture(), s.Picture12[1].Picture()},
        {"red minus", s.Picture12[4].Picture(), s.Picture12[3].Picture()},
        {"game over", s.Picture15[0].Picture(), s.Picture15[1].Picture()},
    };
    for (int base : {0, 20, 30, 40})
        for (int d = 0; d <= 9; ++d)
            pairs.push_back(
                {"digit " + std::to_string(base + d), s.Picture9[base + d].Picture(), s.Picture10[d].Picture()});

    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.what);
        ASSERT_EQ(values(p.image.width, p.image.height), values(p.mask.width, p.mask.height));
        int opaque = 0, wrong = 0;
        for (size_t i = 0; i < p.image.pixels.size(); ++i) {
            const bool shows = p.image.pixels[i] != 0;
            opaque += shows;
            wrong += p.mask.pixels[i] != (shows ? 0u : rgb(255, 255, 255));
        }
        EXPECT_GT(opaque, 0);
        EXPECT_LT(opaque, static_cast<int>(p.image.pixels.size()));
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(PictureStoreTest, CreatedHiddenOnFirstUseAndReleasedByUnload) {
    EXPECT_FALSE(Form2.loaded());
    const Image first = Form2->Picture1[5].Picture();
    EXPECT_TRUE(Form2.loaded());
    EXPECT_FALSE(Form2->shown());

    Form2.Unload();
    EXPECT_FALSE(Form2.loaded());
    EXPECT_EQ(Form2->Picture1[5].Picture().pixels, first.pixels);
}
}  // namespace
