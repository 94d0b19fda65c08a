#include "game/Text.h"

#include <gtest/gtest.h>

using namespace kz;

TEST(Text, NumbersJoinWithOneLeadingBlank)
{
    EXPECT_EQ(Blank(62), " 62");
    EXPECT_EQ(Blank(0), " 0");
}

TEST(Text, OneDecimal)
{
    const std::pair<double, const char*> cases[] = {
        {87.46, "87.5"}, {0.5, ".5"}, {0.04, ".0"}, {400, "400.0"}, {412.5, "412.5"},
        {61.99999998, "62.0"}, {100, "100.0"}, {1234.5, "1234.5"}, {0.25, ".3"}, {0.75, ".8"},
    };
    for (const auto& [v, text] : cases)
        EXPECT_EQ(OneDecimal(v), QString(text)) << v;
}

TEST(Text, JudgeMarkIsFirstThreeCharactersOfTheDecimal)
{
    const float w = 0.1f;
    const std::pair<double, const char*> cases[] = {
        {10, "10"}, {9.8, "9.8"}, {8.45, "8.4"}, {9.0 - static_cast<double>(w), "8.8"},
        {10.15, "10."}, {0.75, ".75"}, {-0.25, "-.2"}, {7, "7"},
    };
    for (const auto& [x, text] : cases)
        EXPECT_EQ(JudgeText(x), QString(text)) << x;
}

TEST(Text, FullWidthConversion)
{
    EXPECT_EQ(ToFullWidth("A1. b"), QString("Ａ１．　ｂ"));
    EXPECT_EQ(ToFullWidth("選手"), QString("選手"));
    // Half-width katakana become full-width, sound marks joined.
    EXPECT_EQ(ToFullWidth("ｶﾞｲ"), QString("ガイ"));
}
