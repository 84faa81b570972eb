#include "customize/LayoutsPage.h"

#include "CustomizeFixture.h"

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct LayoutsPageTest : CustomizeFixture {
    LayoutsPageTest() {
        WritePkg(
            "layouts.xml",
            TableXml(
                {"<title>Top</title><default>wide</default><folder>layouts\\top\\</folder><var>%%layout_top%%</var>",
                 "<title>Side</title><default>header1</default><folder>side/</folder><var>%%layout_side%%</var>"}));
        WritePkg("side/header1.lyo", "<p>one</p>");
        WritePkg("side/Header2.lyo", "<p>two</p>");
        WritePkg("side/notes.txt", "not an option");
    }
    LayoutsPage& page() { return session.layoutsPage(); }
    LayoutVariable& Row(size_t row) { return ws().tables.layouts[row]; }
};

} // namespace

TEST_F(LayoutsPageTest, OptionsAreTheLyoFilesInOrderWithTheChoiceSelected) {
    Open();
    page().onLayoutSelected(1);
    EXPECT_EQ(page().options(), (std::vector<std::string>{"header1", "Header2"}));
    EXPECT_EQ(page().selectedOption(), 0u);
    page().onLayoutSelected(std::nullopt);
    EXPECT_EQ(page().selected(), 1u);
}

TEST_F(LayoutsPageTest, AChoiceWithoutItsFileIsListedAtItsPlace) {
    Open();
    Row(1).choice = "header15";
    page().onLayoutSelected(1);
    EXPECT_EQ(page().options(), (std::vector<std::string>{"header1", "header15", "Header2"}));
    EXPECT_EQ(page().selectedOption(), 1u);
    Row(1).folder = "missing/";
    page().onLayoutSelected(1);
    EXPECT_EQ(page().options(), (std::vector<std::string>{"header15"}));
    EXPECT_EQ(page().selectedOption(), 0u);
}

TEST_F(LayoutsPageTest, AnOptionClickStoresTheChoiceAndRebuilds) {
    Open();
    const size_t before = Rebuilds();
    page().OptionClicked(0);
    EXPECT_EQ(Rebuilds(), before);
    page().onLayoutSelected(0);
    EXPECT_EQ(page().options(), (std::vector<std::string>{"narrow", "wide"}));
    page().OptionClicked(0);
    EXPECT_EQ(Row(0).choice, "narrow");
    EXPECT_EQ(Rebuilds(), before + 1);
    EXPECT_NE(Preview().find("<div>narrow</div>"), std::string::npos);
}

TEST_F(LayoutsPageTest, DefaultRestoresEveryChoiceAndEmptiesTheOptions) {
    Open();
    page().onLayoutSelected(0);
    page().OptionClicked(0);
    page().onLayoutSelected(1);
    page().OptionClicked(1);
    page().presets().Default();
    EXPECT_EQ(Row(0).choice, "wide");
    EXPECT_EQ(Row(1).choice, "header1");
    EXPECT_TRUE(page().options().empty());
    EXPECT_FALSE(page().selected());
    page().OptionClicked(0);
    EXPECT_EQ(Row(1).choice, "header1");
}

TEST_F(LayoutsPageTest, AnAppliedPresetListsTheOptionsOfItsFolder) {
    WritePkg("presets/layouts/Alt.xml",
             TableXml({"<title>Top</title><default>header2</default><folder>layouts\\top\\</folder><var>side/</var>"}));
    Open();
    page().onLayoutSelected(0);
    page().presets().Select(0);
    page().presets().Apply();
    EXPECT_EQ(Row(0).folder, "side/");
    EXPECT_EQ(page().options(), (std::vector<std::string>{"header1", "Header2", "header2"}));
    EXPECT_EQ(page().selectedOption(), 2u);
}

TEST_F(LayoutsPageTest, APresetNamingAFolderOutsideThePackageReadsNothingThere) {
    WritePkg("presets/layouts/Out.xml",
             TableXml({"<title>Top</title><default>passwd</default><folder>x</folder><var>../../../../etc/</var>"}));
    Open();
    page().onLayoutSelected(0);
    page().presets().Select(0);
    page().presets().Apply();
    EXPECT_EQ(page().options(), (std::vector<std::string>{"passwd"}));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("outside"), std::string::npos);
}
