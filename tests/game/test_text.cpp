#include "game/Text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>
#include <vector>

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

// The hand-written tenths agree with Qt's exact formatting, halfway points
// and their nearest neighbours included.
TEST(Text, OneDecimalMatchesExactFormatting)
{
    auto reference = [](double v) {
        QString s = QString::number(v, 'f', 1);
        if (s.startsWith("0."))
            s.remove(0, 1);
        return s;
    };
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> wide(0, 1e9);
    std::vector<double> values;
    for (int i = 0; i <= 40000; ++i) {
        const double half = i / 20.0;
        values.insert(values.end(), {half, std::nextafter(half, 0.0), std::nextafter(half, 1e9), i / 4.0});
    }
    for (int i = 0; i < 20000; ++i)
        values.push_back(wide(gen));
    for (const double v : values)
        ASSERT_EQ(OneDecimal(v), reference(v)) << std::setprecision(17) << v;
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
