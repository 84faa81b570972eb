#include "menus/MenuTreeText.h"

#include "support/TestFolder.h"
#include "util/Error.h"

#include <gtest/gtest.h>

using namespace quorlex;
using quorlex::test::TestFolder;

namespace {

const char* kExample = "pd_menu_01\r\n\tHome|index.html|\r\n\tProducts|#|\r\n\t\tWidgets|widgets.html|_blank\r\n";

MenuTree ExampleTree() {
    return {{"pd_menu_01", {{"Home|index.html|", {}}, {"Products|#|", {{"Widgets|widgets.html|_blank", {}}}}}}};
}

std::string InvalidLevelMessage(const std::string& text) {
    MenuTree tree;
    try {
        ParseMenuTree(tree, text);
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(MenuTreeText, ReadsAndWritesTheExampleByteForByte) {
    MenuTree tree;
    ParseMenuTree(tree, kExample);
    EXPECT_EQ(tree, ExampleTree());
    EXPECT_EQ(MenuTreeToText(tree), kExample);
}

TEST(MenuTreeText, AcceptsEveryLineEndAndBlanksAsLevels) {
    MenuTree tree;
    ParseMenuTree(tree, "root\n Home|a|\r Products|b|\n  Sub|c|");
    ASSERT_EQ(tree.size(), 1u);
    ASSERT_EQ(tree[0].children.size(), 2u);
    EXPECT_EQ(tree[0].children[1].children[0].text, "Sub|c|");
}

TEST(MenuTreeText, ClimbsBackToTheRightAncestor) {
    MenuTree tree;
    ParseMenuTree(tree, "r\n\ta\n\t\tb\n\t\t\tc\n\td\ne\n");
    ASSERT_EQ(tree.size(), 2u);
    EXPECT_EQ(tree[0].children.size(), 2u);
    EXPECT_EQ(tree[0].children[1].text, "d");
    EXPECT_EQ(tree[1].text, "e");
}

TEST(MenuTreeText, InvalidLevelStopsWithTheNodesReadSoFar) {
    MenuTree tree;
    EXPECT_THROW(ParseMenuTree(tree, "Menu\r\n\t\tDeep|#|\r\n\tNever|#|\r\n"), Error);
    EXPECT_EQ(tree, (MenuTree{{"Menu", {}}}));
    EXPECT_EQ(InvalidLevelMessage("Menu\r\n\t\tDeep|#|\r\n"), "Invalid level (2) for item \"Deep|#|\"");
    EXPECT_EQ(InvalidLevelMessage("Menu\r\n  Two blanks\r\n"), "Invalid level (2) for item \"Two blanks\"");
}

TEST(MenuTreeText, OddLinesAndTheEndOfText) {
    MenuTree tree;
    ParseMenuTree(tree, "\t\tFirst\r\n\r\n");
    EXPECT_EQ(tree, (MenuTree{{"First", {}}, {"", {}}}));
    ParseMenuTree(tree, std::string("Menu\r\n\tA\0\tB\r\n", 13));
    EXPECT_EQ(tree, (MenuTree{{"Menu", {{"A", {}}}}}));
    ParseMenuTree(tree, "");
    EXPECT_TRUE(tree.empty());
}

TEST(MenuTreeFile, MissingFileLeavesTheTreeAndWritingRoundTrips) {
    TestFolder dir;
    MenuTree tree = ExampleTree();
    EXPECT_THROW(ReadMenuTree(tree, dir.path() / "missing.lyo", TextEncoding::Cp1252), Error);
    EXPECT_EQ(tree, ExampleTree());
    WriteMenuTree(tree, dir.path() / "menu.lyo", TextEncoding::Cp1252);
    EXPECT_EQ(dir.Read("menu.lyo"), kExample);
    MenuTree back;
    ReadMenuTree(back, dir.path() / "menu.lyo", TextEncoding::Cp1252);
    EXPECT_EQ(back, tree);
    WriteMenuTree({}, dir.path() / "menu.lyo", TextEncoding::Cp1252);
    EXPECT_EQ(dir.Read("menu.lyo"), "");
}

TEST(MenuTreeFile, CaptionsInEveryScriptKeepThePackagesEncoding) {
    TestFolder dir;
    const std::string caption = "Caf\xC3\xA9 \xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1 "
                                "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE \xE6\x97\xA5\xE6\x9C\xAC|kontakt.html|";
    const MenuTree tree{{caption, {}}};
    WriteMenuTree(tree, dir.path() / "utf8.lyo", TextEncoding::Utf8);
    EXPECT_EQ(dir.Read("utf8.lyo"), caption + "\r\n");
    WriteMenuTree(tree, dir.path() / "cp1252.lyo", TextEncoding::Cp1252);
    EXPECT_EQ(dir.Read("cp1252.lyo"),
              "Caf\xE9 &#x395;&#x3BB;&#x3BB;&#x3AC;&#x3B4;&#x3B1; &#x424;&#x43E;&#x442;&#x43E; &#x65E5;&#x672C;"
              "|kontakt.html|\r\n");
    for (const auto& [file, encoding] :
         {std::pair{"utf8.lyo", TextEncoding::Utf8}, std::pair{"cp1252.lyo", TextEncoding::Cp1252}}) {
        MenuTree back;
        ReadMenuTree(back, dir.path() / file, encoding);
        EXPECT_EQ(back, tree) << file;
    }
}

TEST(MenuTreeFile, BinaryJunkReadsWithoutCrashing) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) % 251 + 1);
    MenuTree tree;
    try {
        ParseMenuTree(tree, junk);
    } catch (const Error&) {
        // an invalid level is a fine outcome for junk
    }
    SUCCEED();
}
