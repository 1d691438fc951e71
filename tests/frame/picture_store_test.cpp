#include "frame/picture_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "runtime/pictures.h"
#include "support/game_test.h"

namespace {
using Element = std::function<const rt::PictureBox&(PictureStore&, int)>;

struct Set {
    const char* name;
    int count;  // 0 for a single box
    Element element;
};

template <rt::ControlArray<rt::PictureBox> PictureStore::*Array>
Element indexed() {
    return [](PictureStore& s, int i) -> const rt::PictureBox& { return (s.*Array)[i]; };
}
template <rt::PictureBox PictureStore::*Box>
Element single() {
    return [](PictureStore& s, int) -> const rt::PictureBox& { return s.*Box; };
}

const Set kSets[] = {
    {"picture1", 13, indexed<&PictureStore::Picture1>()},   {"picture2", 2, indexed<&PictureStore::Picture2>()},
    {"picture4", 10, indexed<&PictureStore::Picture4>()},   {"picture5", 10, indexed<&PictureStore::Picture5>()},
    {"picture6", 2, indexed<&PictureStore::Picture6>()},    {"picture7", 4, indexed<&PictureStore::Picture7>()},
    {"picture8", 3, indexed<&PictureStore::Picture8>()},    {"picture9", 50, indexed<&PictureStore::Picture9>()},
    {"picture10", 10, indexed<&PictureStore::Picture10>()}, {"picture11", 2, indexed<&PictureStore::Picture11>()},
    {"picture12", 5, indexed<&PictureStore::Picture12>()},  {"picture13", 0, single<&PictureStore::Picture13>()},
    {"picture14", 0, single<&PictureStore::Picture14>()},   {"picture15", 2, indexed<&PictureStore::Picture15>()},
};

class PictureStoreTest : public GameTest {};

TEST_F(PictureStoreTest, EveryElementHoldsItsOwnPictureAtItsSize) {
    int elements = 0;
    for (const Set& set : kSets) {
        for (int i = 0; i < std::max(set.count, 1); ++i) {
            const std::string file = std::string("form2/") + set.name + (set.count ? "_" + std::to_string(i) : "");
            SCOPED_TRACE(file);
            const Image& art = embedded_picture(file);
            const int w = art.width, h = art.height;

            const rt::PictureBox& box = set.element(Form2.get(), i);
            EXPECT_EQ(box.Width.get(), w);
            EXPECT_EQ(box.Height.get(), h);
            // A full-size copy from (0, 0) yields exactly the picture.
            Image copy(w, h, rgb(1, 2, 3));
            BitBlt(copy, 0, 0, w, h, box.Picture(), 0, 0, SRCCOPY);
            EXPECT_EQ(copy.pixels, art.pixels);
            ++elements;
        }
    }
    const auto names = embedded_picture_names();
    const auto in_store = [](std::string_view n) { return n.starts_with("form2/"); };
    EXPECT_EQ(elements, std::ranges::count_if(names, in_store));
}

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
        ASSERT_EQ(p.image.width, p.mask.width);
        ASSERT_EQ(p.image.height, p.mask.height);
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
