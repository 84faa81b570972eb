#include "customize/CustomizeFixture.h"
#include "menus/MenuTexts.h"
#include "menus/MenusPage.h"
#include "support/FakeMenuDialogs.h"

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct MenuPresetsTest : CustomizeFixture {
    MenuPresetsTest() {
        WritePkg("menus.xml", TableXml({"<title>Main</title><folder>menus\\main\\</folder><var>%%menu_main%%</var>"
                                        "<menuClass>%%menuclass%%</menuClass>",
                                        "<title>Side</title><folder>menus/side/</folder><var>%%menu_side%%</var>"
                                        "<menuClass>%%side_class%%</menuClass>"}));
        WritePkg("menus/side/menu.lyo", "side_cls\r\n\tOne|1.html|\r\n");
    }
    MenusPage& page() { return session.menusPage(); }
    MenuPresets& presets() { return page().presets(); }
    void SaveAs(const std::string& name) {
        presets().EditName(name);
        presets().Save();
    }
    void Select(const std::string& name) {
        const auto& names = presets().names();
        presets().Select(static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin()));
    }
};

} // namespace

TEST_F(MenuPresetsTest, APresetFromOneMenuReplacesAnotherMenusTree) {
    Open();
    page().onMenuSelected(0);
    const size_t before = Rebuilds();
    SaveAs(" Main tree ");
    EXPECT_EQ(ReadFileBytes(Pkg("presets/menus/ Main tree .xml")), "pd_menu_01\r\n\tHome|index.html|\r\n");
    EXPECT_EQ(presets().names(), std::vector<std::string>{" Main tree "});
    EXPECT_EQ(presets().nameField(), "");
    EXPECT_EQ(Rebuilds(), before);

    WritePkg("presets/menus/By hand.xml", "hand\r\n");
    page().onMenuSelected(1);
    Select(" Main tree ");
    presets().Load();
    EXPECT_EQ(ReadFileBytes(Pkg("menus/side/menu.lyo")), "pd_menu_01\r\n\tHome|index.html|\r\n");
    EXPECT_EQ(page().selectedNode(), NodePath{0});
    EXPECT_EQ(presets().names(), (std::vector<std::string>{" Main tree ", "By hand"}));
    EXPECT_EQ(presets().selected(), std::nullopt);
    EXPECT_EQ(Rebuilds(), before + 1);
}

TEST_F(MenuPresetsTest, SaveRefusesLikeTheOtherPresetKinds) {
    Open();
    SaveAs("x");
    EXPECT_EQ(ui.messages, std::vector<std::string>{menutexts::kSelectMenuForPreset});
    EXPECT_EQ(presets().nameField(), "");
    EXPECT_FALSE(fs::exists(Pkg("presets")));

    page().onMenuSelected(0);
    for (const std::string& name : {std::string(presettexts::kNamePlaceholder), std::string(" \t"), std::string("")})
        SaveAs(name);
    EXPECT_TRUE(fs::is_directory(Pkg("presets/menus")));
    for (const std::string name : {"../escape", "a\\b", ".", ".."})
        SaveAs(name);
    EXPECT_EQ(std::count(ui.messages.begin(), ui.messages.end(), presettexts::kEnterName), 3);
    EXPECT_EQ(std::count(ui.messages.begin(), ui.messages.end(), presettexts::kSaveFailed), 4);
    EXPECT_FALSE(fs::exists(Pkg("presets/escape.xml")));
    SaveAs("Twice");
    SaveAs("Twice");
    EXPECT_EQ(ui.messages.back(), presettexts::kAlreadyExists);
    EXPECT_EQ(presets().nameField(), "Twice");
    EXPECT_EQ(presets().names(), std::vector<std::string>{"Twice"});
}

TEST_F(MenuPresetsTest, ADamagedPresetLeavesTheMenuAlone) {
    WritePkg("presets/menus/Bad.xml", "cls\r\n\t\t\tDeep|#|\r\n");
    Open();
    page().onMenuSelected(0);
    Select("Bad");
    const size_t before = Rebuilds();
    presets().Load();
    EXPECT_EQ(FirstLines(ui.messages), std::vector<std::string>{menutexts::kPresetLoadFailed});
    EXPECT_EQ(ReadFileBytes(Pkg("menus/main/menu.lyo")), "pd_menu_01\r\n\tHome|index.html|\r\n");
    EXPECT_EQ(page().tree()[0].children.size(), 1u);
    EXPECT_EQ(Rebuilds(), before);
}

TEST_F(MenuPresetsTest, DeleteAsksAndRemovesTheFile) {
    WritePkg("presets/menus/Old.xml", "cls\r\n");
    Open();
    presets().Delete();
    Select("Old");
    ui.answers = {Answer::Cancel};
    presets().Delete();
    EXPECT_TRUE(fs::exists(Pkg("presets/menus/Old.xml")));
    presets().Delete();
    EXPECT_EQ(ui.questions.back(), "Are you sure you really want to delete the preset \"Old\"?");
    EXPECT_FALSE(fs::exists(Pkg("presets/menus/Old.xml")));
    EXPECT_TRUE(presets().names().empty());
}

TEST_F(MenuPresetsTest, APresetThatCannotBeDeletedIsReportedWithItsCauseAndStaysListed) {
    WritePkg("presets/menus/Stuck.xml/inside", "x");
    Open();
    Select("Stuck");
    presets().Delete();
    ASSERT_EQ(FirstLines(ui.messages), std::vector<std::string>{presettexts::kDeleteFailed});
    EXPECT_NE(ui.messages[0].find("Stuck.xml"), std::string::npos) << ui.messages[0];
    EXPECT_EQ(presets().names(), std::vector<std::string>{"Stuck"});
}
