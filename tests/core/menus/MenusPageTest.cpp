#include "menus/MenusPage.h"

#include "customize/CustomizeFixture.h"
#include "menus/MenuTexts.h"
#include "support/FakeMenuDialogs.h"

using namespace quorlex;
using namespace quorlex::test;

namespace {

const std::string kMain = "pd_menu_01\r\n\tHome|index.html|\r\n";
const std::string kSide = "side_cls\r\n\tOne|1.html|\r\n\t\tTwo|2.html|_top\r\n";

struct MenusPageTest : CustomizeFixture {
    MenusPageTest() {
        WritePkg("menus.xml", TableXml({"<title>Main</title><folder>menus\\main\\</folder><var>%%menu_main%%</var>"
                                        "<menuClass>%%menuclass%%</menuClass>",
                                        "<title>Side</title><folder>menus/side/</folder><var>%%menu_side%%</var>"
                                        "<menuClass>%%side_class%%</menuClass>"}));
        WritePkg("menus/side/menu.lyo", kSide);
        session.menusPage().SetDialogs(&dialogs);
    }
    MenusPage& page() { return session.menusPage(); }
    std::string MainFile() const { return ReadFileBytes(Pkg("menus/main/menu.lyo")); }
    void OpenMain() {
        Open();
        page().onMenuSelected(0);
    }
    static MenuItemFields Item(const std::string& caption, const std::string& link = "#",
                               const std::string& target = "") {
        return {caption, link, target};
    }

    FakeMenuDialogs dialogs;
};

} // namespace

TEST_F(MenusPageTest, WithoutAMenuTheTreeCommandsDoNothing) {
    Open();
    const size_t before = Rebuilds();
    EXPECT_FALSE(page().Add());
    EXPECT_FALSE(page().Edit());
    page().Delete();
    page().Drop(NodePath{0}, 0, 10);
    page().Move(OutlineMove::Up);
    page().ClassName();
    page().Default();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(dialogs.itemOffers.empty());
    EXPECT_EQ(Rebuilds(), before);
    EXPECT_EQ(MainFile(), kMain);
}

TEST_F(MenusPageTest, SelectingAMenuReadsItsTreeWithoutWriting) {
    OpenMain();
    EXPECT_EQ(page().tree(), (MenuTree{{"pd_menu_01", {{"Home|index.html|", {}}}}}));
    EXPECT_EQ(page().selectedNode(), NodePath{0});
    const size_t before = Rebuilds();
    page().onMenuSelected(1);
    EXPECT_EQ(page().tree()[0].children[0].children[0].text, "Two|2.html|_top");
    page().onMenuSelected(std::nullopt);
    page().onMenuSelected(7);
    EXPECT_EQ(page().selected(), 1u);
    EXPECT_EQ(Rebuilds(), before);
}

TEST_F(MenusPageTest, AMissingOrDamagedMenuFileLoadsTheTemplateAndDefaultMendsIt) {
    for (const bool damaged : {false, true}) {
        if (damaged)
            WritePkg("menus/main/menu.lyo", "m\r\n\t\t\tdeep\r\n");
        else
            fs::remove(Pkg("menus/main/menu.lyo"));
        Open();
        EXPECT_TRUE(ui.errors.empty()) << ui.errors[0];
        page().onMenuSelected(0);
        EXPECT_EQ(FirstLines(ui.messages), std::vector<std::string>{menutexts::kLoadFailed});
        page().Default();
        EXPECT_EQ(MainFile(), ReadFileBytes(Pkg("menus/main/default.lyo")));
        EXPECT_NE(ReadFileBytes(Pkg("index_temp.html")).find("index.html"), std::string::npos);
        ui.messages.clear();
    }
}

TEST_F(MenusPageTest, AMissingMenuFileStartsANewTreeOnAdd) {
    Open();
    fs::remove(Pkg("menus/main/menu.lyo"));
    page().onMenuSelected(0);
    EXPECT_EQ(FirstLines(ui.messages), std::vector<std::string>{menutexts::kLoadFailed});
    EXPECT_NE(ui.messages[0].find("No such file"), std::string::npos) << ui.messages[0];
    EXPECT_TRUE(page().tree().empty());
    EXPECT_TRUE(page().Add());
    EXPECT_TRUE(dialogs.itemOffers.empty());
    EXPECT_EQ(MainFile(), "Menu\r\n");
    EXPECT_NE(Preview().find("<body class=\"Menu\">"), std::string::npos);
    EXPECT_NE(Preview().find("\r\n<ul>\r\n</ul>\r\n"), std::string::npos);
}

TEST_F(MenusPageTest, AddsUnderTheSelectedNodeInOrderAndCancelWritesNothing) {
    OpenMain();
    const size_t before = Rebuilds();
    EXPECT_FALSE(page().Add());
    EXPECT_EQ(Rebuilds(), before);
    EXPECT_EQ(MainFile(), kMain);
    dialogs.items = {Item("[New Menu Item]"), Item("  Two\t", " b.html ", "_blank"), Item("A|B", "#", "")};
    EXPECT_TRUE(page().Add() && page().Add() && page().Add());
    EXPECT_EQ(dialogs.itemOffers[0].caption, "[New Menu Item]");
    EXPECT_EQ(dialogs.itemOffers[0].link, "#");
    EXPECT_EQ(page().selectedNode(), NodePath{0});
    // The caption loses its blanks so that it cannot read back as a deeper level.
    EXPECT_EQ(MainFile(), kMain + "\t[New Menu Item]|#|\r\n\tTwo| b.html |_blank\r\n\tA&sp;B|#|\r\n");
    EXPECT_EQ(Rebuilds(), before + 3);
    EXPECT_NE(Preview().find("<a href=\"b.html\" target=\"_blank\" >Two</a>"), std::string::npos);
    page().SelectNode(std::nullopt);
    EXPECT_FALSE(page().Add());
    EXPECT_EQ(ui.messages, std::vector<std::string>{menutexts::kSelectParent});
}

TEST_F(MenusPageTest, EditShowsTrimmedFieldsAndRefusesTheRoot) {
    WritePkg("menus/main/menu.lyo", "cls\r\n\tHome\r\n\tx | a.html |\r\n");
    OpenMain();
    EXPECT_FALSE(page().Edit());
    page().SelectNode(std::nullopt);
    EXPECT_FALSE(page().Edit());
    EXPECT_EQ(ui.messages, (std::vector<std::string>{menutexts::kSelectItem, menutexts::kSelectItem}));
    page().SelectNode(NodePath{0, 0});
    dialogs.items = {Item("Home", "", "")};
    EXPECT_TRUE(page().Edit());
    EXPECT_EQ(dialogs.itemOffers[0].link, "");
    page().SelectNode(NodePath{0, 1});
    dialogs.items = {std::nullopt};
    EXPECT_FALSE(page().Edit());
    EXPECT_EQ(dialogs.itemOffers[1].caption, "x");
    EXPECT_EQ(dialogs.itemOffers[1].link, "a.html");
    EXPECT_EQ(MainFile(), "cls\r\n\tHome||\r\n\tx | a.html |\r\n");
}

TEST_F(MenusPageTest, DeleteAsksAndNeverTakesTheRoot) {
    WritePkg("menus/main/menu.lyo", "cls\r\n\ta\r\n\tb\r\n\t\tb1\r\n");
    OpenMain();
    page().Delete();
    EXPECT_TRUE(ui.questions.empty());
    page().SelectNode(std::nullopt);
    page().Delete();
    EXPECT_EQ(ui.messages, std::vector<std::string>{menutexts::kSelectToDelete});
    page().SelectNode(NodePath{0, 1});
    ui.answers = {Answer::No, Answer::Yes};
    page().Delete();
    EXPECT_EQ(MainFile(), "cls\r\n\ta\r\n\tb\r\n\t\tb1\r\n");
    page().Delete();
    EXPECT_EQ(ui.questions.back(), menutexts::kDeleteQuestion);
    EXPECT_EQ(MainFile(), "cls\r\n\ta\r\n");
    EXPECT_EQ(page().selectedNode(), (NodePath{0, 0}));
}

TEST_F(MenusPageTest, EveryDropWritesAndRebuildsEvenWhenNothingMoves) {
    WritePkg("menus/main/menu.lyo", "cls\r\n\ta\r\n\tb\r\n");
    OpenMain();
    page().SelectNode(NodePath{0, 0});
    const size_t before = Rebuilds();
    page().Drop(NodePath{0, 1}, 10, 30);
    EXPECT_EQ(MainFile(), "cls\r\n\tb\r\n\ta\r\n");
    EXPECT_EQ(page().selectedNode(), (NodePath{0, 1}));
    page().Drop(NodePath{0}, 30, 10);
    page().Drop(std::nullopt, 30, 10);
    EXPECT_EQ(MainFile(), "cls\r\n\tb\r\n\ta\r\n");
    EXPECT_EQ(Rebuilds(), before + 3);
    page().Drop(NodePath{0}, 10, 30);
    EXPECT_EQ(MainFile(), "cls\r\n\tb\r\n\ta\r\n") << "nothing goes beside the root";
    EXPECT_EQ(Rebuilds(), before + 4);
}

TEST_F(MenusPageTest, KeyboardMovesWriteOnlyWhenTheNodeMoves) {
    WritePkg("menus/main/menu.lyo", "cls\r\n\ta\r\n\tb\r\n");
    OpenMain();
    page().SelectNode(NodePath{0, 1});
    const size_t before = Rebuilds();
    page().Move(OutlineMove::In);
    EXPECT_EQ(MainFile(), "cls\r\n\ta\r\n\t\tb\r\n");
    page().Move(OutlineMove::Up);
    EXPECT_EQ(Rebuilds(), before + 1);
    page().Move(OutlineMove::Out);
    EXPECT_EQ(MainFile(), "cls\r\n\ta\r\n\tb\r\n");
    page().Move(OutlineMove::Out);
    EXPECT_EQ(MainFile(), "cls\r\n\ta\r\n\tb\r\n") << "a first-level item stays under the root";
    EXPECT_EQ(Rebuilds(), before + 2);
}

TEST_F(MenusPageTest, AMenuFolderOutsideThePackageIsNeitherReadNorWritten) {
    app.Write("templates/elsewhere/menu.lyo", "outside\r\n");
    Open();
    ws().tables.menus[0].folder = "..\\elsewhere\\";
    page().onMenuSelected(0);
    ASSERT_EQ(FirstLines(ui.messages), std::vector<std::string>{menutexts::kLoadFailed});
    EXPECT_NE(ui.messages[0].find("points outside its folder"), std::string::npos);
    EXPECT_TRUE(page().tree().empty());
    const size_t before = Rebuilds();
    EXPECT_TRUE(page().Add());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(FirstLines(ui.messages)[1], menutexts::kSaveFailed);
    EXPECT_EQ(app.Read("templates/elsewhere/menu.lyo"), "outside\r\n");
    EXPECT_EQ(ui.errors.size(), 1u) << "the rebuild reports the folder";
    EXPECT_EQ(Rebuilds(), before);
}

TEST_F(MenusPageTest, StructureFilesOpenWholeOrNotAtAll) {
    OpenMain();
    const fs::path good = app.Write("mine.tms", "cls2\r\n\tX|x.html|\r\n");
    const fs::path bad = app.Write("bad.tms", "cls3\r\n\t\tDeep|#|\r\n");
    dialogs.openPaths = {bad, app.path() / "missing.tms", std::nullopt, good};
    const size_t before = Rebuilds();
    page().OpenStructure();
    page().OpenStructure();
    page().OpenStructure();
    EXPECT_EQ(FirstLines(ui.messages), std::vector<std::string>(2, menutexts::kStructureLoadFailed));
    EXPECT_NE(ui.messages[0].find("Invalid level (2) for item \"Deep|#|\""), std::string::npos);
    EXPECT_NE(ui.messages[1].find("missing.tms"), std::string::npos);
    EXPECT_EQ(dialogs.openTitles[0], menutexts::kOpenTitle);
    EXPECT_EQ(page().tree()[0].text, "pd_menu_01");
    EXPECT_EQ(MainFile(), kMain);
    EXPECT_EQ(Rebuilds(), before);
    page().OpenStructure();
    EXPECT_EQ(MainFile(), "cls2\r\n\tX|x.html|\r\n");
    EXPECT_EQ(page().selectedNode(), NodePath{0});
    EXPECT_EQ(Rebuilds(), before + 1);
}

TEST_F(MenusPageTest, StructureSaveAsksForATmsFileAndDoesNotRebuild) {
    Open();
    page().SaveStructure();
    page().OpenStructure();
    EXPECT_EQ(ui.messages, std::vector<std::string>(2, menutexts::kSelectMenu));
    page().onMenuSelected(1);
    ui.savePaths = {app.path() / "out.tms", app.path() / "no/such/folder/x.tms"};
    const size_t before = Rebuilds();
    page().SaveStructure();
    page().SaveStructure();
    EXPECT_EQ(app.Read("out.tms"), kSide);
    EXPECT_EQ(ui.saveRequests[0].title, menutexts::kSaveTitle);
    EXPECT_EQ(ui.saveRequests[0].defaultSuffix, "tms");
    EXPECT_EQ(ui.saveRequests[0].filters.front(), "Tamblor Menu Structure (*.tms)");
    EXPECT_EQ(FirstLines(ui.messages).back(), menutexts::kStructureSaveFailed);
    EXPECT_NE(ui.messages.back().find("No such file or directory"), std::string::npos);
    EXPECT_EQ(Rebuilds(), before);
}

TEST_F(MenusPageTest, DefaultReadsTheFactoryTreeAndKeepsTheMenuWhenItIsMissing) {
    WritePkg("menus/main/menu.lyo", "changed\r\n");
    OpenMain();
    page().Default();
    EXPECT_EQ(MainFile(), kMain);
    page().onMenuSelected(1);
    page().Default();
    EXPECT_EQ(FirstLines(ui.messages), std::vector<std::string>{menutexts::kDefaultLoadFailed});
    EXPECT_EQ(ReadFileBytes(Pkg("menus/side/menu.lyo")), kSide);
    EXPECT_EQ(page().tree().size(), 1u);
}

TEST_F(MenusPageTest, AClassNameIsStoredAsTypedOnlyWhenACssClassCanHaveIt) {
    OpenMain();
    dialogs.classNames = {
        std::nullopt,           std::string(".dotted"),    std::string(""),           std::string("2col"),
        std::string("nav bar"), std::string("quay_nav-2"), std::string("men\xC3\xBC")};
    const size_t before = Rebuilds();
    page().ClassName();
    EXPECT_EQ(Rebuilds(), before);
    for (int refused = 0; refused < 4; ++refused)
        page().ClassName();
    EXPECT_EQ(Rebuilds(), before);
    EXPECT_EQ(MainFile(), "pd_menu_01\r\n\tHome|index.html|\r\n");
    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[0].rfind("\".dotted\" cannot be a class name: a class name holds letters", 0), 0u)
        << ui.messages[0];
    page().ClassName();
    EXPECT_EQ(dialogs.classOffers.back(), "pd_menu_01");
    EXPECT_EQ(MainFile(), "quay_nav-2\r\n\tHome|index.html|\r\n");
    EXPECT_NE(Preview().find("<body class=\"quay_nav-2\">"), std::string::npos);
    page().ClassName();
    EXPECT_NE(Preview().find("<body class=\"men\xC3\xBC\">"), std::string::npos);
    EXPECT_FALSE(IsCssClassName("-1x"));
    EXPECT_TRUE(IsCssClassName("-x"));
    EXPECT_TRUE(IsCssClassName("_x"));
}

TEST_F(MenusPageTest, ClassNameOnAnEmptyTreeStartsTheTree) {
    Open();
    fs::remove(Pkg("menus/main/menu.lyo"));
    page().onMenuSelected(0);
    dialogs.classNames = {std::string("nav")};
    page().ClassName();
    EXPECT_EQ(dialogs.classOffers[0], "Menu");
    EXPECT_EQ(MainFile(), "nav\r\n");
    EXPECT_EQ(page().selectedNode(), NodePath{0});
}
