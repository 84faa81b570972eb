#include "menus/MenuHtml.h"

#include "menus/MenuItem.h"
#include "menus/MenuTreeText.h"

#include <gtest/gtest.h>

using namespace quorlex;

TEST(MenuItemAnchor, FollowsTheBlankRules) {
    EXPECT_EQ(MenuItemAnchor("Home"), "<a href=\"#\" >Home</a>");
    EXPECT_EQ(MenuItemAnchor("Home||_blank"), "<a href=\"#\" >Home</a>");
    EXPECT_EQ(MenuItemAnchor("|page.html|"), "<a href=\"page.html\"  ></a>");
    EXPECT_EQ(MenuItemAnchor("Home|index.html|"), "<a href=\"index.html\"  >Home</a>");
    EXPECT_EQ(MenuItemAnchor("Widgets|widgets.html|_blank"), "<a href=\"widgets.html\" target=\"_blank\" >Widgets</a>");
    EXPECT_EQ(MenuItemAnchor(" Home \t| a.html |  _top "), "<a href=\"a.html\" target=\"_top\" >Home</a>");
    EXPECT_EQ(MenuItemAnchor("<b>A&B</b>|x.html|"), "<a href=\"x.html\"  ><b>A&B</b></a>");
}

TEST(MenuItemFields, SplitAndJoinEscapeTheSeparator) {
    EXPECT_EQ(JoinMenuItem("A|B", "#", ""), "A&sp;B|#|");
    EXPECT_EQ(MenuItemAnchor(JoinMenuItem("A|B", "#", "")), "<a href=\"#\"  >A|B</a>");
    EXPECT_EQ(MenuItemAnchor("A&SP;B|#|"), "<a href=\"#\"  >A|B</a>");
    const MenuItemFields f = SplitMenuItem("a&NBSP;b|\"q\"\tx|_top|ignored");
    EXPECT_EQ(f.caption, "a b");
    EXPECT_EQ(f.link, "\"q\"\tx");
    EXPECT_EQ(f.target, "_top");
    EXPECT_EQ(SplitMenuItem("only").link, "");
    EXPECT_EQ(JoinMenuItem("[New Menu Item]", "#", ""), "[New Menu Item]|#|");
}

TEST(RenderMenuHtml, TheWorkedExampleByteForByte) {
    MenuTree tree;
    ParseMenuTree(tree, "pd_menu_01\r\n\tHome|index.html|\r\n\tProducts|#|\r\n\t\tWidgets|widgets.html|_blank\r\n");
    const std::string expected =
        "<ul>\r\n"
        "      <li class=\"li_nc\"><a href=\"index.html\"  >Home</a></li>\r\n"
        "      <li class=\"li_hc\"><a href=\"#\"  >Products</a><ul class=\"ul_ch\">\r\n"
        "         <li class=\"li_nc\"><a href=\"widgets.html\" target=\"_blank\" >Widgets</a></li>\r\n"
        "      </ul></li>\r\n"
        "</ul>\r\n";
    EXPECT_EQ(RenderMenuHtml(tree), expected);
    EXPECT_EQ(MenuClassText(tree), "pd_menu_01");
}

TEST(RenderMenuHtml, RootWithoutChildrenAndEmptyTreeGiveAnEmptyList) {
    EXPECT_EQ(RenderMenuHtml({{"Menu", {}}}), "<ul>\r\n</ul>\r\n");
    EXPECT_EQ(RenderMenuHtml({}), "<ul>\r\n</ul>\r\n");
    EXPECT_EQ(MenuClassText({}), "");
    EXPECT_EQ(MenuClassText({{"  spaced ", {}}}), "  spaced ");
}

TEST(RenderMenuHtml, TwoTopLevelNodesKeepTheInnerClosingLine) {
    const MenuTree tree{{"first", {{"a|#|", {}}}}, {"second|s.html|", {{"b|#|", {}}}}};
    const std::string expected = "<ul>\r\n"
                                 "      <li class=\"li_nc\"><a href=\"#\"  >a</a></li>\r\n"
                                 "   </ul></li>\r\n"
                                 "   <li class=\"li_hc\"><a href=\"s.html\"  >second</a><ul class=\"ul_ch\">\r\n"
                                 "      <li class=\"li_nc\"><a href=\"#\"  >b</a></li>\r\n"
                                 "</ul>\r\n";
    EXPECT_EQ(RenderMenuHtml(tree), expected);
}
