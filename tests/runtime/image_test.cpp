#include "runtime/image.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {
constexpr uint32_t kRed = rgb(255, 0, 0);

TEST(BitBlt, CombinesPixelsByRasterOp) {
    struct Case {
        RasterOp op;
        uint32_t dst, src, expected;
    };
    const Case cases[] = {
        {SRCCOPY, 0x123456, 0xABCDEF, 0xABCDEF},
        {SRCAND, 0x00FF0F, 0x0F0FFF, 0x000F0F},
        {SRCINVERT, 0x00FF0F, 0x0F0FFF, 0x0FF0F0},
    };
    for (const Case& c : cases) {
        Image dst(2, 2, c.dst), src(2, 2, c.src);
        BitBlt(dst, 0, 0, 2, 2, src, 0, 0, c.op);
        EXPECT_EQ(dst.at(1, 1), c.expected) << static_cast<int>(c.op);
    }
}

TEST(BitBlt, ClipsToSourceAndDestination) {
    struct Case {
        const char* name;
        int dx, dy, w, h, sx, sy;
        int drawn;  // pixels of the 4 × 4 destination that take the source's colour
    };
    const Case cases[] = {
        {"inside", 1, 1, 2, 2, 0, 0, 4},
        {"past the right edge", 3, 0, 4, 1, 0, 0, 1},
        {"left of the destination", -1, 0, 2, 1, 0, 0, 1},
        {"above the destination", 0, -1, 1, 2, 0, 0, 1},
        {"source rows that do not exist", 0, -3, 1, 4, 0, 0, 0},
        {"beyond the source", 0, 0, 4, 4, 1, 1, 1},
        {"source corner negative", 0, 0, 3, 3, -1, -1, 4},
        {"wholly outside", 5, 5, 2, 2, 0, 0, 0},
        {"empty rectangle", 0, 0, 0, 3, 0, 0, 0},
        // A box can stand as far off the screen as an int reaches.
        {"far above", 0, INT_MIN, 1, 2, 0, 0, 0},
        {"far left", INT_MIN, 0, 2, 1, 0, 0, 0},
        {"far right of a source far left", INT_MAX, 0, 2, 1, INT_MIN, 0, 0},
        {"far below a source far above", 0, INT_MAX, 1, 2, 0, INT_MIN, 0},
    };
    for (const Case& c : cases) {
        Image dst(4, 4, 0), src(2, 2, kRed);
        BitBlt(dst, c.dx, c.dy, c.w, c.h, src, c.sx, c.sy, SRCCOPY);
        int drawn = 0;
        for (uint32_t p : dst.pixels) drawn += p == kRed;
        EXPECT_EQ(drawn, c.drawn) << c.name;
    }
}

TEST(BitBlt, WithinOneImageReadsTheSourceBeforeWriting) {
    // Every pixel distinct, so a pixel read after it was written shows in the result.
    auto pattern = [] {
        Image image(6, 5);
        for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<uint32_t>(0x010203 * (i + 1));
        return image;
    };
    struct Shift {
        const char* name;
        int dx, dy;
    };
    const Shift shifts[] = {{"right", 2, 1},      {"left", 0, 1},    {"down", 1, 2},      {"up", 1, 0},
                            {"down right", 2, 2}, {"up left", 0, 0}, {"down left", 0, 2}, {"onto itself", 1, 1}};
    for (RasterOp op : {SRCCOPY, SRCAND, SRCINVERT}) {
        for (const Shift& s : shifts) {
            SCOPED_TRACE(testing::Message() << s.name << ", op " << static_cast<int>(op));
            Image image = pattern(), expected = pattern();
            const Image source = pattern();
            BitBlt(image, s.dx, s.dy, 4, 3, image, 1, 1, op);
            BitBlt(expected, s.dx, s.dy, 4, 3, source, 1, 1, op);
            EXPECT_EQ(image.pixels, expected.pixels);
        }
    }
}

TEST(Image, GrowingKeepsThePictureAndFillsBlack) {
    Image image(2, 1, kRed);
    image.grow_to(3, 2);
    EXPECT_EQ(image.pixels, (std::vector<uint32_t>{kRed, kRed, 0, 0, 0, 0}));
}
}  // namespace
