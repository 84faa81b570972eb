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

namespace {

MenuTree ShopTree() {
    MenuTree tree;
    ParseMenuTree(tree, "shop\r\n\tHome|index.html|\r\n\tProducts|#|\r\n\t\tWidgets|widgets.html|_blank\r\n"
                        "\t\t\tGears|gears.html|\r\n\tAbout|about.html#team|\r\n");
    return tree;
}

// A navbar whose drop-downs are lists of their own, the current link marked "active".
MenuMarkup NavItemMarkup() {
    MenuMarkup m;
    m.listClass = "navbar-nav me-auto";
    m.itemClass = "nav-item";
    m.linkClass = "nav-link";
    m.parentClass = "dropdown";
    m.parentLinkClass = "dropdown-toggle";
    m.parentLinkAttribute = "role=\"button\" data-bs-toggle=\"dropdown\" aria-expanded=\"false\"";
    m.sublistClass = "dropdown-menu";
    m.sublinkClass = "dropdown-item";
    m.currentLinkClass = "active";
    return m;
}

// A navbar whose drop-downs stand in a wrapper, the current item marked "is-active".
MenuMarkup WrappedDropdownMarkup() {
    MenuMarkup m;
    m.listClass = "navbar-start";
    m.listAttribute = "role=\"menubar\"";
    m.itemClass = "navbar-item";
    m.parentClass = "has-dropdown is-hoverable";
    m.parentLinkClass = "navbar-link";
    m.sublistWrapper = "navbar-dropdown";
    m.sublinkClass = "navbar-item";
    m.currentClass = "is-active";
    return m;
}

} // namespace

TEST(RenderMenuHtmlWithMarkup, ANavbarWithDropdownListsByteForByte) {
    const std::string expected =
        "<ul class=\"navbar-nav me-auto\">\r\n"
        "      <li class=\"nav-item\"><a class=\"nav-link active\" href=\"index.html\" "
        "aria-current=\"page\">Home</a></li>\r\n"
        "      <li class=\"nav-item dropdown\"><a class=\"nav-link dropdown-toggle\" href=\"#\" role=\"button\" "
        "data-bs-toggle=\"dropdown\" aria-expanded=\"false\">Products</a><ul class=\"dropdown-menu\">\r\n"
        "         <li class=\"dropdown\"><a class=\"dropdown-item dropdown-toggle\" href=\"widgets.html\" "
        "target=\"_blank\" role=\"button\" data-bs-toggle=\"dropdown\" aria-expanded=\"false\">Widgets</a>"
        "<ul class=\"dropdown-menu\">\r\n"
        "            <li><a class=\"dropdown-item\" href=\"gears.html\">Gears</a></li>\r\n"
        "         </ul></li>\r\n"
        "      </ul></li>\r\n"
        "      <li class=\"nav-item\"><a class=\"nav-link\" href=\"about.html#team\">About</a></li>\r\n"
        "</ul>\r\n";
    EXPECT_EQ(RenderMenuHtml(ShopTree(), NavItemMarkup(), "index.html"), expected);
}

TEST(RenderMenuHtmlWithMarkup, ANavbarWithWrappedDropdownsByteForByte) {
    const std::string expected =
        "<ul class=\"navbar-start\" role=\"menubar\">\r\n"
        "      <li class=\"navbar-item\"><a href=\"index.html\">Home</a></li>\r\n"
        "      <li class=\"navbar-item has-dropdown is-hoverable\"><a class=\"navbar-link\" href=\"#\">Products</a>"
        "<div class=\"navbar-dropdown\"><ul>\r\n"
        "         <li class=\"has-dropdown is-hoverable\"><a class=\"navbar-item navbar-link\" href=\"widgets.html\" "
        "target=\"_blank\">Widgets</a><div class=\"navbar-dropdown\"><ul>\r\n"
        "            <li><a class=\"navbar-item\" href=\"gears.html\">Gears</a></li>\r\n"
        "         </ul></div></li>\r\n"
        "      </ul></div></li>\r\n"
        "      <li class=\"navbar-item is-active\"><a href=\"about.html#team\" aria-current=\"page\">About</a></li>\r\n"
        "</ul>\r\n";
    EXPECT_EQ(RenderMenuHtml(ShopTree(), WrappedDropdownMarkup(), "about.html"), expected);
}

TEST(RenderMenuHtmlWithMarkup, WithoutMarkupTheFixedFormStaysWhateverPageIsCurrent) {
    const MenuTree twoRoots{{"first", {{"a|#|", {}}}}, {"second|s.html|", {{"b|#|", {}}}}};
    for (const MenuTree& tree : {ShopTree(), twoRoots, MenuTree{}, MenuTree{{"Menu", {}}}}) {
        EXPECT_EQ(RenderMenuHtml(tree, MenuMarkup{}, "index.html"), RenderMenuHtml(tree));
        EXPECT_EQ(RenderMenuHtml(tree, MenuMarkup{}), RenderMenuHtml(tree));
    }
}

TEST(RenderMenuHtmlWithMarkup, NoPageIsCurrentUntilOneIsNamedAndAnchorsOnlyByTheirPage) {
    const MenuTree tree{{"m", {{"Home|./index.html?lang=pl|", {}}, {"Top|#|", {}}, {"Blank||", {}}}}};
    const std::string none = RenderMenuHtml(tree, NavItemMarkup());
    EXPECT_EQ(none.find("active"), std::string::npos);
    EXPECT_EQ(none.find("aria-current"), std::string::npos);
    EXPECT_NE(RenderMenuHtml(tree, NavItemMarkup(), "index.html")
                  .find("<a class=\"nav-link active\" href=\"./index.html?lang=pl\" aria-current=\"page\">Home</a>"),
              std::string::npos);
    EXPECT_EQ(RenderMenuHtml(tree, NavItemMarkup(), "other.html").find("aria-current"), std::string::npos);
    EXPECT_EQ(RenderMenuHtml(tree, NavItemMarkup(), "Index.html").find("aria-current"), std::string::npos);
}

TEST(RenderMenuHtmlWithMarkup, EdgesOfTheTree) {
    MenuMarkup plain;
    plain.itemClass = " item ";
    // An empty tree and a root alone are an empty list; a class left blank writes no attribute.
    EXPECT_EQ(RenderMenuHtml({}, plain), "<ul>\r\n</ul>\r\n");
    EXPECT_EQ(RenderMenuHtml({{"Menu", {}}}, plain), "<ul>\r\n</ul>\r\n");
    // Without a link the target is dropped; a further top-level node is one more item.
    const MenuTree tree{{"m", {{"A||_blank", {}}, {"B|b.html|_top", {}}}}, {"C|c.html|", {}}};
    EXPECT_EQ(RenderMenuHtml(tree, plain), "<ul>\r\n"
                                           "      <li class=\"item\"><a href=\"#\">A</a></li>\r\n"
                                           "      <li class=\"item\"><a href=\"b.html\" target=\"_top\">B</a></li>\r\n"
                                           "      <li class=\"item\"><a href=\"c.html\">C</a></li>\r\n"
                                           "</ul>\r\n");
}
