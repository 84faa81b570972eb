#include "customize/FontsPage.h"

#include "CustomizeFixture.h"

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct FontsPageTest : CustomizeFixture {
    FontsPageTest() {
        WritePkg(
            "fonts.xml",
            TableXml({"<title>Body</title><font-family>Verdana, Arial, Helvetica, sans-serif</font-family>"
                      "<font-size>12</font-size><font-measure/><font-weight>Bold</font-weight>"
                      "<font-style>normal</font-style><font-decoration>none</font-decoration><var>%%f_body%%</var>",
                      "<title>Head</title><font-family>Georgia</font-family><font-size>20</font-size>"
                      "<font-measure>px</font-measure><var>%%f_head%%</var>"}));
        WritePkg("css/main.css", "body { %%f_body%% }\nh1 { %%f_head%% }\n");
    }
    FontsPage& page() { return session.fontsPage(); }
    FontVariable& Row(size_t row) { return ws().tables.fonts[row]; }
    void Type(FontBox box, const std::string& text) {
        page().EditBox(box, text);
        page().Store(box);
    }
};

} // namespace

TEST_F(FontsPageTest, NothingIsStoredBeforeARowIsClicked) {
    Open();
    const size_t before = Rebuilds();
    page().onFontSelected(std::nullopt);
    Type(FontBox::Family, "Arial");
    page().ApplySizeAndUnit();
    EXPECT_EQ(Row(0).family, "Verdana, Arial, Helvetica, sans-serif");
    EXPECT_EQ(Rebuilds(), before);
}

TEST_F(FontsPageTest, BoxesShowTheCurrentValueFirstThenTheChoices) {
    Open();
    page().onFontSelected(0);
    const ComboState& family = page().box(FontBox::Family);
    ASSERT_EQ(family.entries.size(), 10u);
    EXPECT_EQ(family.entries[0], "Verdana, Arial, Helvetica, sans-serif");
    EXPECT_EQ(family.entries[1], "Arial, Helvetica, sans-serif");
    EXPECT_EQ(family.text, family.entries[0]);
    EXPECT_EQ(page().box(FontBox::Unit).text, "");
    EXPECT_EQ(page().box(FontBox::Unit).entries.size(), 10u);
    EXPECT_EQ(ui.suspended, 0);
}

TEST_F(FontsPageTest, DropDownSortsWithoutRegardToCaseAndDropsExactDuplicates) {
    Open();
    page().onFontSelected(0);
    page().DropDown(FontBox::Family);
    EXPECT_EQ(page().box(FontBox::Family).entries.size(), 9u);
    EXPECT_EQ(page().box(FontBox::Family).entries.front(), "\"Courier New\", Courier, monospace");
    page().DropDown(FontBox::Size);
    EXPECT_EQ(page().box(FontBox::Size).entries,
              (std::vector<std::string>{"10", "12", "14", "18", "24", "36", "72", "9", "large", "larger", "medium",
                                        "small", "smaller", "x-large", "x-small", "xx-large", "xx-small"}));
    page().DropDown(FontBox::Unit);
    EXPECT_EQ(page().box(FontBox::Unit).entries,
              (std::vector<std::string>{"", "%", "cm", "em", "ex", "in", "mm", "picas", "points", "px"}));
    page().DropDown(FontBox::Weight);
    const auto& weights = page().box(FontBox::Weight).entries;
    EXPECT_EQ(std::vector<std::string>(weights.end() - 5, weights.end()),
              (std::vector<std::string>{"Bold", "bold", "bolder", "lighter", "normal"}));
    EXPECT_EQ(page().box(FontBox::Weight).text, "Bold");
}

TEST_F(FontsPageTest, ASizeThatIsNoNumberEmptiesTheUnit) {
    Open();
    page().onFontSelected(1);
    Type(FontBox::Size, "15");
    EXPECT_EQ(Row(1).measure, "px");
    EXPECT_NE(Preview().find("font-size:15px;"), std::string::npos);
    Type(FontBox::Size, "small");
    EXPECT_EQ(Row(1).size, "small");
    EXPECT_EQ(Row(1).measure, "");
    EXPECT_EQ(page().box(FontBox::Unit).text, "");
    EXPECT_EQ(page().SizeWarning(), "") << "a keyword needs no unit";
    Type(FontBox::Size, "12");
    EXPECT_EQ(Row(1).measure, "");
    EXPECT_NE(page().SizeWarning().find("unit"), std::string::npos) << "a bare number is ignored by browsers";
    page().EditBox(FontBox::Size, "1.5");
    EXPECT_FALSE(page().SizeWarning().empty());
    page().EditBox(FontBox::Size, "0");
    EXPECT_EQ(page().SizeWarning(), "") << "zero needs no unit";
    page().EditBox(FontBox::Size, "12");
    page().EditBox(FontBox::Unit, "em");
    EXPECT_EQ(page().SizeWarning(), "");
}

TEST_F(FontsPageTest, ApplyBesideSizeStoresSizeThenUnit) {
    Open();
    page().onFontSelected(1);
    page().EditBox(FontBox::Unit, "em");
    page().EditBox(FontBox::Size, "1.5");
    size_t before = Rebuilds();
    page().ApplySizeAndUnit();
    EXPECT_EQ(Row(1).size, "1.5");
    EXPECT_EQ(Row(1).measure, "em");
    EXPECT_EQ(Rebuilds(), before + 2);
    page().EditBox(FontBox::Unit, "em");
    page().EditBox(FontBox::Size, "large");
    page().ApplySizeAndUnit();
    EXPECT_EQ(Row(1).measure, "");
}

TEST_F(FontsPageTest, AFieldIsStoredForTheClickedRowOnly) {
    Open();
    page().onFontSelected(1);
    Type(FontBox::Family, "Comic Sans MS");
    Type(FontBox::Decoration, "underline");
    EXPECT_EQ(Row(1).family, "Comic Sans MS");
    EXPECT_EQ(Row(1).decoration, "underline");
    EXPECT_EQ(Row(0).family, "Verdana, Arial, Helvetica, sans-serif");
}

TEST_F(FontsPageTest, DefaultEmptiesTheBoxesAndRestoresEveryRow) {
    Open();
    page().onFontSelected(0);
    Type(FontBox::Weight, "900");
    page().onFontSelected(1);
    Type(FontBox::Style, "italic");
    const size_t before = Rebuilds();
    page().Default();
    EXPECT_EQ(Row(0).weight, "Bold");
    EXPECT_EQ(Row(1).style, "");
    EXPECT_FALSE(page().selected());
    EXPECT_EQ(page().box(FontBox::Family).text, "");
    EXPECT_TRUE(page().box(FontBox::Family).entries.empty());
    EXPECT_EQ(Rebuilds(), before + 1);
    Type(FontBox::Style, "oblique");
    EXPECT_EQ(Rebuilds(), before + 1);
}
