#include "util/ColorShades.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

std::string Shifted(const char* color, double points) {
    return ShadeText(ShiftLightness(*ShadeableColor(color), points));
}

} // namespace

TEST(ShiftLightness, MovesOnlyTheLightnessInEveryHueSextant) {
    EXPECT_EQ(Shifted("#FF0000", 20), "#FF6666");
    EXPECT_EQ(Shifted("#FF0000", -20), "#990000");
    EXPECT_EQ(Shifted("#336699", -15), "#204060"); // hue 210: blue above green
    EXPECT_EQ(Shifted("#6B3A1E", 20), "#BB6534");
    EXPECT_EQ(Shifted("#808080", 0), "#808080"); // gray has no hue to lose
    for (const char* color : {"#D9A441", "#4F6B2A", "#9C4A1A", "#800080", "#00FFFF", "#123456", "#FEDCBA", "#6B3A1E"})
        EXPECT_EQ(Shifted(color, 0), color) << "no shift keeps the color";
}

TEST(ShiftLightness, StopsAtBlackAndWhiteAndKeepsTheOpacity) {
    EXPECT_EQ(Shifted("#FFFFFF", 30), "#FFFFFF");
    EXPECT_EQ(Shifted("#000000", -30), "#000000");
    EXPECT_EQ(Shifted("#000000", 100), "#FFFFFF");
    EXPECT_EQ(Shifted("#D9A441", -100), "#000000");
    EXPECT_EQ(Shifted("rgba(255, 0, 0, 0.25)", -20), "rgba(153, 0, 0, 0.25)");
}

TEST(ShadeText, WritesOpaqueAsHexAndTranslucentWithAShortOpacity) {
    CssColor color{51, 102, 153, 1.0};
    EXPECT_EQ(RgbTriplet(color), "51, 102, 153");
    EXPECT_EQ(ShadeText(color), "#336699");
    color.alpha = 0.5;
    EXPECT_EQ(ShadeText(color), "rgba(51, 102, 153, 0.5)");
    color.alpha = 0.125;
    EXPECT_EQ(ShadeText(color), "rgba(51, 102, 153, 0.125)");
    color.alpha = 1.0 / 3;
    EXPECT_EQ(ShadeText(color), "rgba(51, 102, 153, 0.333)");
    color.alpha = 0.0004;
    EXPECT_EQ(ShadeText(color), "rgba(51, 102, 153, 0)");
}

TEST(ShadeableColor, ReadsHexAndRgbButNotTransparentOrNames) {
    EXPECT_EQ(ShadeableColor(" #fff "), (CssColor{255, 255, 255, 1.0}));
    EXPECT_EQ(ShadeableColor("rgb(1, 2, 3)"), (CssColor{1, 2, 3, 1.0}));
    EXPECT_FALSE(ShadeableColor("transparent"));
    EXPECT_FALSE(ShadeableColor("TRANSPARENT"));
    EXPECT_FALSE(ShadeableColor("rgba(10, 20, 30, 0)"));
    EXPECT_FALSE(ShadeableColor("navy"));
    EXPECT_FALSE(ShadeableColor(""));
    EXPECT_FALSE(ShadeableColor("#12345"));
}

TEST(ShadeAmounts, ReadPercentagesAndOpacitiesWithinTheirRange) {
    EXPECT_EQ(ReadPercentage("10"), 10.0);
    EXPECT_EQ(ReadPercentage(" 12.5% "), 12.5);
    EXPECT_EQ(ReadPercentage("0"), 0.0);
    EXPECT_EQ(ReadPercentage("100%"), 100.0);
    for (const char* bad : {"", "%", "-5", "101", "ten", "12,5", "10 %x", "nan", "inf"})
        EXPECT_FALSE(ReadPercentage(bad)) << bad;
    EXPECT_EQ(ReadOpacity("0.5"), 0.5);
    EXPECT_EQ(ReadOpacity("40%"), 0.4);
    EXPECT_EQ(ReadOpacity("1"), 1.0);
    for (const char* bad : {"", "1.5", "-0.1", "0,5", "150%"})
        EXPECT_FALSE(ReadOpacity(bad)) << bad;
}
