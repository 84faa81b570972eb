#include "customize/ColorsPage.h"

#include "CustomizeFixture.h"
#include "util/CssColor.h"

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr size_t kRed = 10;
constexpr size_t kWhite = 16;
constexpr size_t kMoneyGreen = 17;

struct ColorsPageTest : CustomizeFixture {
    ColorsPage& page() { return session.colorsPage(); }
    const std::string& Value(size_t row) { return ws().tables.colors[row].value; }
};

} // namespace

TEST_F(ColorsPageTest, SwatchesInOrderWithCustomFirst) {
    const auto& swatches = page().swatches();
    ASSERT_EQ(swatches.size(), 21u);
    EXPECT_EQ(swatches[0].name, "Custom...");
    EXPECT_EQ(swatches[0].color, RgbColor(0, 0, 0));
    EXPECT_EQ(swatches[kRed].name, "Red");
    EXPECT_EQ(swatches[kMoneyGreen].color, RgbColor(0xC0, 0xDC, 0xC0));
    EXPECT_EQ(swatches[20].name, "Medium Gray");
    EXPECT_EQ(ColorToHtml(swatches[20].color), "#A0A0A4");
}

TEST_F(ColorsPageTest, ATypedValueThatIsNoColorIsRefusedWithTheAcceptedForms) {
    Open();
    page().TitleClicked(0);
    const size_t before = Rebuilds();
    page().ColorFieldEdited("notacolor");
    page().ApplyField();
    EXPECT_EQ(Value(0), "#112233");
    EXPECT_EQ(Rebuilds(), before);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("\"notacolor\" is not a color. Type it as #RRGGBB", 0), 0u) << ui.messages[0];
    for (const char* color : {"navy", " #abc ", "#11223344", "rgb(1, 2, 3)", "RGBA(0 0 0 / 50%)", "hsl(120deg 50% 50%)",
                              "transparent", "currentColor", "inherit", "none"}) {
        page().ColorFieldEdited(color);
        page().ApplyField();
        EXPECT_EQ(Value(0), color);
    }
    for (const char* wrong : {"#12", "#1234567", "rgb(1,2,3", "rgb(a)", "navyblue", "", "url(x)"})
        EXPECT_FALSE(IsCssColor(wrong)) << wrong;
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ColorsPageTest, NothingIsStoredWithoutASelectedVariable) {
    Open();
    const size_t before = Rebuilds();
    page().ColorFieldEdited("#010101");
    page().ApplyField();
    page().SwatchClicked(kRed);
    page().Transparent();
    page().ChooseColor();
    page().TitleClicked(0);
    page().TitleClicked(std::nullopt);
    page().SwatchClicked(kRed);
    EXPECT_EQ(Value(0), "#112233");
    EXPECT_EQ(Value(1), "#445566");
    EXPECT_TRUE(ui.colorOffers.empty());
    EXPECT_EQ(Rebuilds(), before);
    // A swatch or the field without a variable says what is needed.
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>(3, "Select a color in the list first, then choose its new value.")));
}

TEST_F(ColorsPageTest, TypedTextIsStoredAsTypedOnlyOnApply) {
    Open();
    page().TitleClicked(1);
    EXPECT_EQ(page().colorField(), "#445566");
    const size_t before = Rebuilds();
    page().ColorFieldEdited("#ff0000");
    EXPECT_EQ(page().selectedSwatch(), kRed);
    EXPECT_EQ(Value(1), "#445566");
    EXPECT_EQ(Rebuilds(), before);
    page().ApplyField();
    EXPECT_EQ(Value(1), "#ff0000");
    EXPECT_EQ(Rebuilds(), before + 1);
    EXPECT_NE(Preview().find("color: #ff0000"), std::string::npos);

    page().SwatchClicked(kRed);
    EXPECT_EQ(Value(1), "#FF0000");
    EXPECT_EQ(page().colorField(), "#FF0000");
    EXPECT_EQ(Rebuilds(), before + 2);
}

TEST_F(ColorsPageTest, TheFieldSelectsANamedSwatchOrLendsItsColorToCustom) {
    page().ColorFieldEdited("#C0DCC0");
    EXPECT_EQ(page().selectedSwatch(), kMoneyGreen);
    page().ColorFieldEdited("#123456");
    EXPECT_EQ(page().selectedSwatch(), ColorsPage::kCustomSwatch);
    EXPECT_EQ(page().swatches()[0].color, RgbColor(0x12, 0x34, 0x56));
    page().ColorFieldEdited("none");
    EXPECT_EQ(page().swatches()[0].color, NoneColor);
}

TEST_F(ColorsPageTest, TransparentThenCustomStoresWhite) {
    Open();
    page().TitleClicked(0);
    page().Transparent();
    EXPECT_EQ(Value(0), "transparent");
    EXPECT_EQ(page().selectedSwatch(), ColorsPage::kCustomSwatch);
    EXPECT_EQ(page().swatches()[0].color, NoneColor);
    page().SwatchClicked(ColorsPage::kCustomSwatch);
    EXPECT_EQ(Value(0), "#FFFFFF");
    EXPECT_EQ(page().selectedSwatch(), kWhite);
}

TEST_F(ColorsPageTest, TheChooserOpensOnTheVariablesOwnColor) {
    Open();
    page().TitleClicked(0);
    ui.chosenColors = {std::nullopt, RgbColor(1, 2, 3), RgbColor(0xAB, 0xCD, 0xEF)};
    page().ChooseColor();
    EXPECT_EQ(Value(0), "#112233");
    page().ChooseColor();
    EXPECT_EQ(Value(0), "#010203");
    page().TitleClicked(1);
    page().ChooseColor();
    EXPECT_EQ(Value(1), "#ABCDEF");
    EXPECT_EQ(page().colorField(), "#ABCDEF");
    EXPECT_EQ(ui.colorOffers,
              (std::vector<Color>{RgbColor(0x11, 0x22, 0x33), RgbColor(0x11, 0x22, 0x33), RgbColor(0x44, 0x55, 0x66)}));
    // A value the chooser cannot show opens it on the color last confirmed.
    page().Transparent();
    ui.chosenColors = {std::nullopt};
    page().ChooseColor();
    EXPECT_EQ(ui.colorOffers.back(), RgbColor(0xAB, 0xCD, 0xEF));
}

TEST_F(ColorsPageTest, ThePreviewFollowsTheChooserAndCancelPutsTheValueBack) {
    Open();
    page().TitleClicked(1);
    ui.pointedColors = {RgbColor(1, 1, 1), RgbColor(1, 1, 1), RgbColor(2, 2, 2)};
    const size_t before = Rebuilds();
    page().ChooseColor();
    EXPECT_EQ(Value(1), "#445566");
    EXPECT_EQ(Rebuilds(), before + 3); // two distinct colors shown, then the old value again
    EXPECT_NE(Preview().find("color: #445566"), std::string::npos);

    ui.chosenColors = {RgbColor(2, 2, 2)};
    page().ChooseColor();
    EXPECT_EQ(Value(1), "#020202");
    EXPECT_NE(Preview().find("color: #020202"), std::string::npos);

    ui.pointedColors = {RgbColor(3, 3, 3)};
    page().SwatchEnter(ColorsPage::kCustomSwatch);
    EXPECT_EQ(Value(1), "#020202");
    EXPECT_NE(Preview().find("color: #020202"), std::string::npos);
}

TEST_F(ColorsPageTest, EnterOnCustomChoosesItsColorFirst) {
    Open();
    page().TitleClicked(0);
    page().ColorFieldEdited("#123456");
    ui.chosenColors = {std::nullopt, RgbColor(0x65, 0x43, 0x21)};
    page().SwatchEnter(ColorsPage::kCustomSwatch);
    EXPECT_EQ(Value(0), "#112233");
    page().SwatchEnter(kRed);
    page().SwatchEnter(ColorsPage::kCustomSwatch);
    EXPECT_EQ(ui.colorOffers, (std::vector<Color>{RgbColor(0x12, 0x34, 0x56), RgbColor(0x12, 0x34, 0x56)}));
    EXPECT_EQ(Value(0), "#654321");
}

TEST_F(ColorsPageTest, DefaultRestoresEveryColorAndClearsTheSelection) {
    Open();
    page().TitleClicked(0);
    page().SwatchClicked(kRed);
    page().TitleClicked(1);
    page().SwatchClicked(kRed);
    page().presets().Default();
    EXPECT_EQ(Value(0), "#112233");
    EXPECT_EQ(Value(1), "#445566");
    EXPECT_FALSE(page().selected());
    EXPECT_EQ(page().colorField(), "");
    EXPECT_EQ(page().swatches()[0].color, NoneColor);
    page().SwatchClicked(kRed);
    EXPECT_EQ(Value(0), "#112233");
}

TEST_F(ColorsPageTest, AnAppliedPresetShowsTheSelectedVariablesNewValue) {
    WritePkg("presets/colors/Warm.xml",
             TableXml({"<title>Head</title><var>%%c_head%%</var><default>#FFFBF0</default>"}));
    Open();
    page().TitleClicked(1);
    page().presets().Select(0);
    page().presets().Apply();
    EXPECT_EQ(Value(1), "#FFFBF0");
    EXPECT_EQ(page().colorField(), "#FFFBF0");
    EXPECT_EQ(page().swatches()[page().selectedSwatch().value()].name, "Cream");
}

TEST_F(ColorsPageTest, ANewPackageStartsWithoutSelection) {
    Open();
    page().TitleClicked(1);
    session.RecalculateTemplate();
    EXPECT_FALSE(page().selected());
    EXPECT_EQ(page().colorField(), "");
}
