#include "runtime/text.h"

#include <gtest/gtest.h>

namespace {
TEST(Rounding, GoesToTheNearestHalvesToEvenAndHoldsValuesBeyondTheRangeAtItsEnds) {
    const struct {
        double value;
        int int16, int32;
    } cases[] = {
        {0.5, 0, 0},
        {1.5, 2, 2},
        {2.5, 2, 2},
        {-1.5, -2, -2},
        {20.8, 21, 21},
        {-2.51, -3, -3},
        {40000, 32767, 40000},
        {-40000, -32768, -40000},
        {1e12, 32767, 2147483647},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_int16(c.value), c.int16) << c.value;
        EXPECT_EQ(to_int32(c.value), c.int32) << c.value;
    }
}

TEST(TextConversion, NumbersBecomeText) {
    const struct {
        double value;
        const char* str;
        const char* cstr;
    } cases[] = {
        {10000, " 10000", "10000"},
        {0, " 0", "0"},
        {-5, "-5", "-5"},
        {20.8, " 20.8", "20.8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Str(c.value), c.str);
        EXPECT_EQ(CStr(c.value), c.cstr);
    }
}

TEST(TextConversion, ValReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"600", 600}, {"  42abc", 42}, {"03", 3}, {"abc", 0}, {"", 0}, {"-7", -7}, {"1.5x", 1.5}, {".5", 0.5}, {".", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.expected) << c.text;
}

TEST(TextConversion, TrimMidChrAsc) {
    EXPECT_EQ(Trim("  ANNA  "), "ANNA");
    EXPECT_EQ(Trim("   "), "");
    std::string clock = "00:00";
    Mid(clock, 4, "59");
    EXPECT_EQ(clock, "00:59");
    Mid(clock, 5, "123");  // never grows the text
    EXPECT_EQ(clock, "00:51");
    EXPECT_EQ(Chr(65), "A");
    EXPECT_EQ(Asc("Z"), 90);
    EXPECT_EQ(Asc(Chr(200)), 200);
}
}  // namespace
