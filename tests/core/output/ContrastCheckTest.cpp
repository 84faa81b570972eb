#include "output/ContrastCheck.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

const std::vector<ColorVariable> kColors{{"Body text", "%%t%%", "#777777"},
                                         {"Content background", "%%b%%", "#ffffff"},
                                         {"Links", "%%l%%", "#777777"},
                                         {"None", "%%n%%", "transparent"}};

TextSample Sample(const std::string& text, const std::string& color, std::vector<BackgroundLayer> layers,
                  double size = 16.0, int weight = 400) {
    return {text, color, std::move(layers), size, weight};
}

const BackgroundLayer kClear{"rgba(0, 0, 0, 0)", false};
const BackgroundLayer kWhiteLayer{"rgb(255, 255, 255)", false};

} // namespace

TEST(CheckContrast, ThresholdDependsOnTextSize) {
    const auto gray = [](double size, int weight) {
        return CheckContrast({Sample("x", "rgb(119, 119, 119)", {kWhiteLayer}, size, weight)}, {});
    };
    EXPECT_EQ(gray(16, 400).size(), 1u);
    EXPECT_EQ(gray(18.66, 600).size(), 1u);
    EXPECT_TRUE(gray(18.66, 700).empty());
    EXPECT_TRUE(gray(24, 400).empty());
    EXPECT_TRUE(CheckContrast({Sample("x", "rgb(118, 118, 118)", {kWhiteLayer})}, {}).empty());
    // Large text still needs 3:1.
    EXPECT_EQ(CheckContrast({Sample("x", "rgb(170, 170, 170)", {kWhiteLayer}, 30)}, {}).size(), 1u);
}

TEST(CheckContrast, FindingShowsTextColorsAndTheVariablesToChange) {
    const auto findings =
        CheckContrast({Sample("Welcome aboard", "rgb(119, 119, 119)", {kClear, kWhiteLayer})}, kColors);
    ASSERT_EQ(findings.size(), 1u);
    const SiteFinding& f = findings[0];
    EXPECT_EQ(f.kind, FindingKind::LowContrast);
    EXPECT_EQ(f.subject, "Welcome aboard");
    EXPECT_EQ(f.foreground, "#777777");
    EXPECT_EQ(f.background, "#FFFFFF");
    EXPECT_EQ(f.explanation, "#777777 on #FFFFFF: contrast 4.47:1, needs 4.5:1.");
    EXPECT_EQ(f.change, "Text: \"Body text\", \"Links\"; background: \"Content background\"");
    EXPECT_EQ(CheckContrast({Sample("x", "rgb(250, 250, 250)", {kWhiteLayer})}, kColors).at(0).change,
              "Background: \"Content background\"");
}

TEST(CheckContrast, BackgroundIsTheFirstOpaqueLayerWithTranslucentOnesBlended) {
    // Nothing opaque: the page is white.
    EXPECT_EQ(CheckContrast({Sample("x", "rgb(250, 250, 250)", {kClear, kClear})}, {}).at(0).background, "#FFFFFF");
    // Dark text on half-transparent black over white: gray 128 behind it.
    const auto blended =
        CheckContrast({Sample("x", "rgb(60, 60, 60)", {{"rgba(0, 0, 0, 0.5)", false}, kWhiteLayer})}, {});
    ASSERT_EQ(blended.size(), 1u);
    EXPECT_EQ(blended[0].background, "#808080");
    // Layers above the first opaque one do not count.
    EXPECT_TRUE(CheckContrast({Sample("x", "rgb(255, 255, 255)", {{"rgb(0, 0, 0)", false}, kWhiteLayer})}, {}).empty());
    // Half-transparent text is blended over its background before the ratio is taken.
    const auto faint = CheckContrast({Sample("x", "rgba(0, 0, 0, 0.1)", {kWhiteLayer})}, {});
    ASSERT_EQ(faint.size(), 1u);
    EXPECT_EQ(faint[0].foreground, "#E6E6E6");
}

TEST(CheckContrast, TextThatCannotBeJudgedIsLeftOut) {
    EXPECT_TRUE(
        CheckContrast({Sample("over a picture", "rgb(250, 250, 250)", {{"rgba(0, 0, 0, 0)", true}, kWhiteLayer}),
                       Sample("unknown color", "color(display-p3 1 1 1)", {kWhiteLayer}),
                       Sample("invisible", "rgba(255, 255, 255, 0)", {kWhiteLayer})},
                      {})
            .empty());
}

TEST(CheckContrast, SameColorsMakeOneFindingWithACount) {
    const std::string longText(80, 'a');
    const auto findings = CheckContrast(
        {Sample(longText, "rgb(200, 200, 200)", {kWhiteLayer}), Sample("two", "rgb(200, 200, 200)", {kWhiteLayer}),
         Sample("big", "rgb(200, 200, 200)", {kWhiteLayer}, 30), Sample("other", "rgb(210, 210, 210)", {kWhiteLayer})},
        {});
    ASSERT_EQ(findings.size(), 3u);
    EXPECT_EQ(findings[0].subject, std::string(57, 'a') + "... (and 1 more)");
    EXPECT_EQ(findings[1].subject, "big");
    EXPECT_EQ(findings[1].explanation, "#C8C8C8 on #FFFFFF: contrast 1.67:1, needs 3:1 (large text).");
    EXPECT_EQ(findings[2].subject, "other");
    EXPECT_TRUE(findings[0].change.empty());
}
