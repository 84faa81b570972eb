#include "preview/StyleDiff.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

const std::string kPage = "<html><head><STYLE type=\"text/css\" media=\"all\">body{color:#111}</STYLE>\r\n"
                          "<style media=\"print\">p{x:1}</style></head><body><p>Hi</p></body></html>\r\n";

std::string With(std::string page, const std::string& from, const std::string& to) {
    page.replace(page.find(from), from.size(), to);
    return page;
}

} // namespace

TEST(StylePatch, AChangeInsideStyleBlocksIsAPatch) {
    const auto patch = StyleOnlyChanges(kPage, With(kPage, "#111", "#000080;background:url(x.gif)"));
    ASSERT_TRUE(patch);
    EXPECT_EQ(patch->blockCount, 2u);
    ASSERT_EQ(patch->changes.size(), 1u);
    EXPECT_EQ(patch->changes[0].index, 0u);
    EXPECT_EQ(patch->changes[0].css, "body{color:#000080;background:url(x.gif)}");

    const auto same = StyleOnlyChanges(kPage, kPage);
    ASSERT_TRUE(same);
    EXPECT_TRUE(same->changes.empty());
}

TEST(StylePatch, AnyOtherDifferenceReloads) {
    EXPECT_FALSE(StyleOnlyChanges(kPage, With(kPage, "<p>Hi</p>", "<p>Ho</p>")));
    EXPECT_FALSE(StyleOnlyChanges(kPage, With(kPage, "media=\"print\"", "media=\"screen\"")));
    // A block added or removed.
    EXPECT_FALSE(StyleOnlyChanges(kPage, With(kPage, "</head>", "<style>b{}</style></head>")));
    EXPECT_FALSE(StyleOnlyChanges(kPage, With(kPage, "<style media=\"print\">p{x:1}</style>", "")));
    // A value that closes its block early changes what lies outside the blocks.
    EXPECT_FALSE(StyleOnlyChanges(kPage, With(kPage, "#111", "#111</style><b>")));
    EXPECT_FALSE(StyleOnlyChanges(kPage, With(kPage, "</STYLE>", "")));
}

TEST(StylePatch, ChangesNextToTheBlockBoundariesAreFound) {
    const std::string page = "<style>%%c%%</style><style>a{}%%d%%</style>";
    const auto patch = StyleOnlyChanges(page, "<style>#fff</style><style>a{}</style>");
    ASSERT_TRUE(patch);
    ASSERT_EQ(patch->changes.size(), 2u);
    EXPECT_EQ(patch->changes[0].css, "#fff");
    EXPECT_EQ(patch->changes[1].css, "a{}");
    EXPECT_FALSE(StyleOnlyChanges(page, "<style>%%c%%</style> <style>a{}%%d%%</style>"));
    EXPECT_FALSE(StyleOnlyChanges("<styles>x</styles>", "<styles>y</styles>"));
}

TEST(StylePatch, StylesInsideCommentsAreNoBlocks) {
    const std::string page = "<style>a{%%c%%}</style><!--[if lt IE 7]><style>b{%%c%%}</style><![endif]--><p>x</p>";
    const auto patch = StyleOnlyChanges(page, With(page, "a{%%c%%}", "a{red}"));
    ASSERT_TRUE(patch);
    EXPECT_EQ(patch->blockCount, 1u);
    EXPECT_FALSE(StyleOnlyChanges(page, With(page, "b{%%c%%}", "b{red}")));
}
