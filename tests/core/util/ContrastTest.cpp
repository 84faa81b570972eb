#include "util/Contrast.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

CssColor Gray(int level) { return {level, level, level, 1.0}; }

} // namespace

TEST(ContrastRatio, MatchesTheGuidelinesKnownPairs) {
    EXPECT_DOUBLE_EQ(ContrastRatio(Gray(0), kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, Gray(0)), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(Gray(0x77), Gray(0x77)), 1.0);
    EXPECT_NEAR(ContrastRatio(Gray(0x77), kWhite), 4.48, 0.005);
    EXPECT_LT(ContrastRatio(Gray(0x77), kWhite), 4.5); // the classic near miss
    EXPECT_GE(ContrastRatio(Gray(0x76), kWhite), 4.5);
    // The linear part of the curve: channel 10 lies below the knee, 11 above.
    EXPECT_NEAR(RelativeLuminance(Gray(10)), 10 / 255.0 / 12.92, 1e-12);
    EXPECT_NEAR(RelativeLuminance({255, 0, 0, 1.0}), 0.2126, 1e-12);
}

TEST(ContrastRatio, TextShowsTheRatioCutNotRounded) {
    EXPECT_EQ(RatioText(ContrastRatio(Gray(0x77), kWhite)), "4.47:1");
    EXPECT_EQ(RatioText(21.0), "21.00:1");
    EXPECT_EQ(RatioText(4.4999), "4.49:1");
}

TEST(LargeText, IsTwentyFourPixelsOrBoldFromFourteenPoints) {
    EXPECT_TRUE(IsLargeText(24.0, 400));
    EXPECT_FALSE(IsLargeText(23.9, 400));
    EXPECT_TRUE(IsLargeText(18.66, 700));
    EXPECT_TRUE(IsLargeText(18.67, 900));
    EXPECT_FALSE(IsLargeText(18.66, 600));
    EXPECT_FALSE(IsLargeText(18.6, 700));
    EXPECT_DOUBLE_EQ(RequiredContrast(true), 3.0);
    EXPECT_DOUBLE_EQ(RequiredContrast(false), 4.5);
}

TEST(ParseCssColor, ReadsTheFormsComputedStylesTake) {
    EXPECT_EQ(ParseCssColor("rgb(119, 119, 119)"), Gray(0x77));
    EXPECT_EQ(ParseCssColor(" RGBA(0, 0, 0, 0) "), (CssColor{0, 0, 0, 0.0}));
    EXPECT_EQ(ParseCssColor("rgb(10 20 30 / 50%)"), (CssColor{10, 20, 30, 0.5}));
    EXPECT_EQ(ParseCssColor("rgb(100%, 0%, 50%)"), (CssColor{255, 0, 128, 1.0}));
    EXPECT_EQ(ParseCssColor("rgb(300, -5, 12.6)"), (CssColor{255, 0, 13, 1.0}));
    EXPECT_EQ(ParseCssColor("transparent"), (CssColor{0, 0, 0, 0.0}));
    EXPECT_EQ(ParseCssColor("#AbC"), (CssColor{0xAA, 0xBB, 0xCC, 1.0}));
    EXPECT_EQ(ParseCssColor("#2f3b43"), (CssColor{0x2F, 0x3B, 0x43, 1.0}));
    for (const char* text : {"", "rgb(1, 2)", "rgb(1, 2, 3", "rgb(a, b, c)", "oklch(0.5 0.1 120)", "#12345", "#GGGGGG",
                             "rgb(1, 2, 3, 4, 5)", "red", "rgb(1,2,3)x"})
        EXPECT_FALSE(ParseCssColor(text)) << text;
}

TEST(BlendOver, MixesByOpacity) {
    EXPECT_EQ(BlendOver({0, 0, 0, 0.5}, kWhite), (CssColor{128, 128, 128, 1.0}));
    EXPECT_EQ(BlendOver({0, 0, 0, 0.0}, kWhite), kWhite);
    EXPECT_EQ(BlendOver({10, 20, 30, 1.0}, kWhite), (CssColor{10, 20, 30, 1.0}));
    EXPECT_EQ(CssColorToHtml({0x2F, 0x3B, 0x43, 0.2}), "#2F3B43");
}
