#include "util/Color.h"
#include "util/Number.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"

#include <gtest/gtest.h>

using namespace quorlex;

TEST(StripBadSlashes, TrimsBlanksAndOneLeadingSlashOfEachKind) {
    EXPECT_EQ(StripBadSlashes(""), "");
    EXPECT_EQ(StripBadSlashes(" /templates/ "), "templates");
    EXPECT_EQ(StripBadSlashes("\\images\\"), "images");
    EXPECT_EQ(StripBadSlashes("///"), "");
    EXPECT_EQ(StripBadSlashes("//a"), "/a");
    EXPECT_EQ(StripBadSlashes("/\\a"), "a");
    EXPECT_EQ(StripBadSlashes("\\/a"), "/a");
    EXPECT_EQ(StripBadSlashes("\t\r\na/b\\c\x01"), "a/b\\c");
}

TEST(StripBadSlashes, RemovesTrailingForwardRunThenBackwardRun) {
    EXPECT_EQ(StripBadSlashes("a/\\/"), "a/");
    EXPECT_EQ(StripBadSlashes("a\\/"), "a");
    EXPECT_EQ(StripBadSlashes("a/b\\\\"), "a/b");
}

TEST(ColorToHtml, FormatsRedGreenBlueUpperCase) {
    EXPECT_EQ(ColorToHtml(RgbColor(255, 0, 0)), "#FF0000");
    EXPECT_EQ(ColorToHtml(RgbColor(0, 0, 255)), "#0000FF");
    EXPECT_EQ(ColorToHtml(RgbColor(0x12, 0xab, 0x0c)), "#12AB0C");
    EXPECT_EQ(ColorToHtml(NoneColor), "#FFFFFF");
}

TEST(ColorToHtml, ResolvesSystemColorsFirst) {
    const Color buttonFace = 0x8000000F;
    auto resolver = [](Color c) { return c == 0x8000000F ? RgbColor(0xF0, 0xF0, 0xF0) : c; };
    EXPECT_EQ(ColorToHtml(buttonFace, resolver), "#F0F0F0");
}

TEST(HtmlToColor, ReadsPairsFromTheSecondCharacter) {
    EXPECT_EQ(HtmlToColor("#112233"), RgbColor(0x11, 0x22, 0x33));
    EXPECT_EQ(HtmlToColor("#FFFFFF"), RgbColor(255, 255, 255));
    EXPECT_EQ(HtmlToColor("#12"), RgbColor(0x12, 0, 0));
    EXPECT_EQ(HtmlToColor("FFFFFF"), RgbColor(0xFF, 0xFF, 0x0F));
    EXPECT_EQ(HtmlToColor("#aabbccdd"), RgbColor(0xAA, 0xBB, 0xCC));
}

TEST(HtmlToColor, BadTextGivesNoneColor) {
    EXPECT_EQ(HtmlToColor("#zzzzzz"), NoneColor);
    EXPECT_EQ(HtmlToColor(""), NoneColor);
    EXPECT_EQ(HtmlToColor("#"), NoneColor);
    EXPECT_EQ(HtmlToColor("#12 456"), NoneColor);
}

TEST(HtmlToColor, RoundTripsWithColorToHtml) {
    for (Color c : {RgbColor(1, 2, 3), RgbColor(0xFE, 0x80, 0x00), RgbColor(0, 0, 0)})
        EXPECT_EQ(HtmlToColor(ColorToHtml(c)), c);
}

TEST(IsNumber, AcceptsLocaleFloatsOnly) {
    EXPECT_TRUE(IsNumber("12"));
    EXPECT_TRUE(IsNumber("-1.5"));
    EXPECT_TRUE(IsNumber(" 3e2 "));
    EXPECT_TRUE(IsNumber(".5"));
    EXPECT_TRUE(IsNumber("1,25", ','));
    EXPECT_FALSE(IsNumber("1.25", ','));
    EXPECT_FALSE(IsNumber(""));
    EXPECT_FALSE(IsNumber("."));
    EXPECT_FALSE(IsNumber("12px"));
    EXPECT_FALSE(IsNumber("1e"));
    EXPECT_FALSE(IsNumber("x-large"));
}

TEST(TextLines, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitLines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(NormalizeLineEnds("a\nb\rc"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(NormalizeLineEnds(""), "");
    EXPECT_EQ(JoinLines({"x", ""}), "x\r\n\r\n");
}
