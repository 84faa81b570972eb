#include "app/Session.h"

#include "app/DialogFolders.h"
#include "app/HelpInFront.h"
#include "app/RecentFiles.h"
#include "app/RowStyle.h"
#include "app/Texts.h"
#include "app/ToolPlacement.h"
#include "customize/FontChoices.h"
#include "help/HelpTopics.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "util/Error.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct SessionTest : ::testing::Test {
    void Start() {
        session.FormCreate(app.path(), [&] { ++steps; });
    }
    void Select(size_t row) {
        session.catalogPage().ListView1SelectItem(row, true);
        session.catalogPage().ListView1Click(true);
    }

    TestFolder app;
    FakeUi ui;
    RecordingPlatform platform;
    FakeBrowsers browsers;
    Session session{ui, platform, browsers};
    int steps = 0;
};

} // namespace

TEST_F(SessionTest, FreshStartShowsOnlyTheSelectPageAndTheWelcome) {
    WriteSmallPackage(app);
    Start();
    EXPECT_EQ(session.workflow().pageVisible, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(session.workflow().activePage, WorkflowPage::Select);
    EXPECT_EQ(session.workflow().caption, "Quorlex");
    EXPECT_FALSE(session.catalogPage().customizeEnabled());
    EXPECT_EQ(session.catalogPage().rows().size(), 1u);
    EXPECT_EQ(browsers.Shown(BrowserId::CatalogInfo), std::string("html:") + WelcomeHtml + "\r\n");
    EXPECT_EQ(steps, 3);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(SessionTest, LeftoversAreRemovedAndUndeletableOnesIgnored) {
    WriteSmallPackage(app);
    app.Write("temp.tmp", "x");
    app.Write("templates_tmp.xml", "stale");
    app.Write("temp.exe/locked", "cannot remove a full folder");
    Start();
    EXPECT_FALSE(app.Exists("temp.tmp"));
    EXPECT_TRUE(app.Exists("temp.exe"));
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(session.catalogPage().rows().size(), 1u);
    session.FormClose();
    EXPECT_FALSE(app.Exists("templates_tmp.xml"));
}

TEST_F(SessionTest, CatalogFailureStopsTheSetUpBeforeTheWelcome) {
    Start();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("templates.tps"), std::string::npos);
    EXPECT_TRUE(browsers.log.empty());
}

TEST_F(SessionTest, CustomizeLoadsThePackageShowsPagesAndPreview) {
    WriteSmallPackage(app);
    Start();
    session.RecalculateTemplate();
    EXPECT_EQ(session.workspace(), nullptr);
    Select(0);
    session.RecalculateTemplate();
    ASSERT_NE(session.workspace(), nullptr);
    EXPECT_EQ(session.workflow().pageVisible, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(session.workflow().activePage, WorkflowPage::Customize);
    EXPECT_EQ(session.workflow().caption, "Quorlex -- Small");
    const fs::path preview = app.path() / "templates/pkg/index_temp.html";
    EXPECT_EQ(browsers.Shown(BrowserId::LivePreview), preview.string());
    EXPECT_EQ(browsers.Shown(BrowserId::TemplateHelp), (app.path() / "templates/pkg/template_info.html").string());
    EXPECT_EQ(app.Read("templates/pkg/index_temp.html"), session.workspace()->workingPage);
    EXPECT_EQ(ui.suspended, 0);
    EXPECT_GT(ui.suspendCount, 0);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(SessionTest, TemplatesKeptOnAnotherDiskBehindALinkLoadAndStayContained) {
    TestFolder disk;
    WriteSmallPackage(disk);
    fs::create_symlink(disk.path() / "templates", app.path() / "templates");
    disk.Write("secret.txt", "outside");
    Start();
    Select(0);
    session.RecalculateTemplate();
    ASSERT_NE(session.workspace(), nullptr) << (ui.errors.empty() ? "" : ui.errors[0]);
    EXPECT_THROW(session.workspace()->PackageFile("..\\..\\secret.txt"), Error);
}

TEST_F(SessionTest, AProjectFileOpensItsTemplateAndAppliesItself) {
    WriteSmallPackage(app, "one");
    WriteSmallPackage(app, "two");
    app.Write("templates/templates.tps", "one\r\ntwo\r\n");
    app.Write("other.tpp", "three\r\n");
    Start();
    Select(1);
    session.RecalculateTemplate();
    session.workspace()->tables.colors[0].value = "#ABCDEF";
    ASSERT_TRUE(session.projectFiles().SaveProjectTo(app.path() / "p.tpp"));
    Select(0);
    session.RecalculateTemplate();
    EXPECT_FALSE(session.OpenProject(app.path() / "other.tpp"));
    EXPECT_NE(ui.errors.at(0).find("Required template for this project: three"), std::string::npos);
    EXPECT_EQ(session.workspace()->templateId, "one");
    ASSERT_TRUE(session.OpenProject(app.path() / "p.tpp")) << ui.errors.back();
    EXPECT_EQ(session.workspace()->templateId, "two");
    EXPECT_EQ(session.workspace()->tables.colors[0].value, "#ABCDEF");
    EXPECT_TRUE(session.CanUndo());
}

TEST_F(SessionTest, AProjectIsADocumentWithItsNameInTheTitleAndInTheRecentList) {
    WriteSmallPackage(app);
    Start();
    Select(0);
    session.RecalculateTemplate();
    const std::string caption = session.workflow().caption;
    EXPECT_EQ(session.WindowTitle(), caption);
    ui.savePaths = {std::nullopt};
    EXPECT_FALSE(session.projectFiles().SaveProject()) << "no project yet: the dialog asks, cancel writes nothing";
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].kind, FileKind::Project);

    session.colorsPage().TitleClicked(0);
    session.colorsPage().SwatchClicked(5);
    EXPECT_EQ(session.WindowTitle(), caption + " *");
    ui.savePaths = {app.path() / "dinner.tpp"};
    ASSERT_TRUE(session.projectFiles().SaveProject());
    EXPECT_EQ(session.WindowTitle(), caption + " - dinner.tpp");

    // Saving again writes the same file without a dialog; "Save As" proposes its name.
    session.colorsPage().SwatchClicked(6);
    const std::string changed = session.workspace()->tables.colors[0].value;
    ASSERT_TRUE(session.projectFiles().SaveProject());
    EXPECT_EQ(ui.saveRequests.size(), 2u);
    EXPECT_NE(app.Read("dinner.tpp").find(changed), std::string::npos);
    ui.savePaths = {app.path() / "lunch.tpp"};
    ASSERT_TRUE(session.projectFiles().SaveProjectAs());
    EXPECT_EQ(ui.saveRequests.back().proposedName, "dinner.tpp");
    EXPECT_EQ(session.projectFiles().recent().files(),
              (std::vector<fs::path>{app.path() / "lunch.tpp", app.path() / "dinner.tpp"}));

    // Opening a project shows its menu with its tree on the menus page.
    ui.openPaths = {app.path() / "dinner.tpp"};
    session.AskOpenProject();
    EXPECT_EQ(ui.openRequests.back().kind, FileKind::Project);
    EXPECT_EQ(session.WindowTitle(), caption + " - dinner.tpp");
    EXPECT_EQ(session.menusPage().selected(), std::optional<size_t>(0));
    ASSERT_EQ(session.menusPage().tree().size(), 1u);
    EXPECT_EQ(session.menusPage().tree()[0].children.at(0).text, "Home|index.html|");
    EXPECT_EQ(session.projectFiles().recent().files().front(), app.path() / "dinner.tpp");

    // Loading the template again starts without a project.
    session.RecalculateTemplate();
    EXPECT_EQ(session.WindowTitle(), caption);
    EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();

    // A recent project whose file has gone says so and leaves the list.
    fs::remove(app.path() / "lunch.tpp");
    session.OpenRecentProject(app.path() / "lunch.tpp");
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("lunch.tpp"), std::string::npos);
    EXPECT_EQ(session.projectFiles().recent().files(), (std::vector<fs::path>{app.path() / "dinner.tpp"}));
}

TEST(HelpInFront, F1OpensTheTopicOfThePageInFront) {
    WorkflowState state;
    EXPECT_EQ(HelpPageOf(HelpTopicInFront(state)), std::string("select_template.html"));
    state.ShowLoadedTemplate();
    EXPECT_EQ(HelpPageOf(HelpTopicInFront(state)), std::string("select_colors.html"));
    state.SubPageChanged(SubPage::Menus);
    EXPECT_EQ(HelpPageOf(HelpTopicInFront(state)), std::string("menus.html"));
    state.SubPageChanged(SubPage::LargePreview);
    EXPECT_EQ(HelpPageOf(HelpTopicInFront(state)), std::string("toolbar.html"));
    state.activePage = WorkflowPage::Files;
    EXPECT_EQ(HelpPageOf(HelpTopicInFront(state)), std::string("export.html"));
    state.activeOutputTab = 2;
    state.activeCodeTab = 1;
    EXPECT_EQ(HelpPageOf(HelpTopicInFront(state)), std::string("cssfile.html"));
    state.activeOutputTab = 3;
    EXPECT_EQ(HelpPageOf(HelpTopicInFront(state)), std::string("sitecheck.html"));
    state.activeOutputTab = 4;
    EXPECT_EQ(HelpPageOf(HelpTopicInFront(state)), std::string("publish.html"));
}

TEST(RecentFiles, KeepsTheNewestEachOnceUpToTheMaximum) {
    RecentFiles recent;
    for (int i = 0; i < 10; ++i)
        recent.Add("/p/" + std::to_string(i) + ".tpp");
    ASSERT_EQ(recent.files().size(), RecentFiles::kMaximum);
    EXPECT_EQ(recent.files().front(), fs::path("/p/9.tpp"));
    recent.Add("/p/x/../5.tpp");
    EXPECT_EQ(recent.files().front(), fs::path("/p/5.tpp")) << "the same file by another spelling moves";
    EXPECT_EQ(std::count(recent.files().begin(), recent.files().end(), fs::path("/p/5.tpp")), 1);
    recent.Remove("/p/5.tpp");
    EXPECT_EQ(recent.files().front(), fs::path("/p/9.tpp"));

    recent.Restore({"/a.tpp", "relative.tpp", "/b.tpp", "/a.tpp"});
    EXPECT_EQ(recent.files(), (std::vector<fs::path>{"/a.tpp", "/b.tpp"}));
}

TEST(DialogFolders, OpenInDocumentsThenWhereTheLastFileOfTheKindWas) {
    TestFolder folder;
    folder.Write("Documents/.keep", "");
    folder.Write("menus/m.lyo", "");
    DialogFolders folders(folder.path() / "Documents", folder.path());
    EXPECT_EQ(folders.StartFolder(FileKind::Project), folder.path() / "Documents");
    folders.Used(FileKind::MenuStructure, folder.path() / "menus" / "m.lyo");
    EXPECT_EQ(folders.StartFolder(FileKind::MenuStructure), folder.path() / "menus");
    EXPECT_EQ(folders.StartFolder(FileKind::Project), folder.path() / "Documents") << "each kind on its own";

    DialogFolders next(folder.path() / "Documents", folder.path());
    next.Restore(folders.Saved());
    EXPECT_EQ(next.StartFolder(FileKind::MenuStructure), folder.path() / "menus");
    fs::remove_all(folder.path() / "menus");
    EXPECT_EQ(next.StartFolder(FileKind::MenuStructure), folder.path() / "Documents") << "a folder since removed";
    fs::remove_all(folder.path() / "Documents");
    EXPECT_EQ(next.StartFolder(FileKind::Image), folder.path()) << "no documents folder: home";
    next.Restore({{"code", "relative/folder"}});
    EXPECT_EQ(next.StartFolder(FileKind::Code), folder.path());
}

TEST_F(SessionTest, AFailedLoadKeepsThePreviousPackage) {
    WriteSmallPackage(app, "good");
    WriteSmallPackage(app, "bad");
    app.Write("templates/templates.tps", "good\r\nbad\r\n");
    app.Write("templates/bad/colors.xml", "<broken");
    Start();
    Select(0);
    session.RecalculateTemplate();
    session.catalogPage().ListView1SelectItem(1, true);
    session.RecalculateTemplate();
    // The fixed first line, then the cause naming the file.
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].rfind(std::string(texts::kLoadFailed) + "\r\n", 0), 0u);
    EXPECT_NE(ui.errors[0].find("bad/colors.xml"), std::string::npos);
    EXPECT_EQ(session.workspace()->TemplateFolder, app.path() / "templates/good");
    EXPECT_EQ(session.workflow().caption, "Quorlex -- Small");
    EXPECT_EQ(ui.suspended, 0);
    EXPECT_FALSE(app.Exists("templates/bad/index_temp.html"));
}

TEST_F(SessionTest, RefreshReportsAMissingFragmentAndKeepsThePreviewFile) {
    WriteSmallPackage(app);
    Start();
    Select(0);
    session.RecalculateTemplate();
    const std::string before = app.Read("templates/pkg/index_temp.html");
    fs::remove(app.path() / "templates/pkg/layouts/top/wide.lyo");
    const size_t navigations = browsers.log.size();
    const int suspensions = ui.suspendCount;
    session.Rebuildtemplate();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("wide.lyo"), std::string::npos);
    EXPECT_EQ(app.Read("templates/pkg/index_temp.html"), before);
    EXPECT_EQ(browsers.log.size(), navigations);
    EXPECT_EQ(ui.suspended, 0);
    EXPECT_GT(ui.suspendCount, suspensions);
}

TEST_F(SessionTest, LargePreviewShrinksTheAreaAndOtherPagesAndLoadsRestoreTheDraggedHeight) {
    WriteSmallPackage(app);
    Start();
    session.SubPageChanged(SubPage::LargePreview);
    EXPECT_EQ(session.workflow().subPageAreaHeight, 30);
    session.SubPageChanged(SubPage::Layouts);
    EXPECT_EQ(session.workflow().subPageAreaHeight, 207);
    session.SplitterMoved(260);
    session.SubPageChanged(SubPage::LargePreview);
    session.SubPageChanged(SubPage::Colors);
    EXPECT_EQ(session.workflow().subPageAreaHeight, 260);
    session.PreviewWidthChosen(DeviceWidth::Phone);
    Select(0);
    session.RecalculateTemplate();
    EXPECT_EQ(session.workflow().subPageAreaHeight, 260); // the dragged height stays over loads
    EXPECT_EQ(session.workflow().CustomizePagesHeight, 260);
    EXPECT_EQ(session.workflow().previewWidth, DeviceWidth::Phone); // a view setting, kept over loads
}

TEST(FontChoices, ListsHoldTheirEntriesInOrder) {
    EXPECT_EQ(FontChoices::FontFamilyChoices().size(), 9u);
    EXPECT_EQ(FontChoices::FontFamilyChoices()[1], "\"Courier New\", Courier, monospace");
    EXPECT_EQ(FontChoices::FontFamilyChoices()[1].size(), 33u);
    EXPECT_EQ(FontChoices::FontSizeChoices().size(), 17u);
    EXPECT_EQ(FontChoices::FontUnitChoices().size(), 9u);
    EXPECT_EQ(FontChoices::FontUnitChoices()[2], "points");
    EXPECT_EQ(FontChoices::FontWeightChoices().size(), 13u);
    EXPECT_EQ(FontChoices::FontStyleChoices().size(), 3u);
    EXPECT_EQ(FontChoices::TextDecorationChoices().size(), 8u);
    EXPECT_EQ(FontChoices::TextDecorationChoices().back(), "underline blink");
}

TEST(RowStyle, ZebraRowsAndNavySelection) {
    EXPECT_EQ(RowStyle::Fill(0, false), 0xFFFFFFu);
    EXPECT_EQ(RowStyle::Fill(1, false), 0xFFFBF0u);
    EXPECT_EQ(RowStyle::Fill(3, true), 0x000080u);
    EXPECT_TRUE(RowStyle::WhiteText(true));
    EXPECT_FALSE(RowStyle::WhiteText(false));
}

TEST_F(SessionTest, UnsavedChangesAreOfferedForSavingBeforeTheyAreDropped) {
    WriteSmallPackage(app);
    Start();
    Select(0);
    session.RecalculateTemplate();
    EXPECT_FALSE(session.HasUnsavedChanges());
    EXPECT_TRUE(session.ConfirmDiscard());
    session.RecalculateTemplate();
    EXPECT_TRUE(ui.questions.empty()) << "a load without changes asks nothing";

    session.colorsPage().TitleClicked(0);
    session.colorsPage().SwatchClicked(5);
    ASSERT_TRUE(session.HasUnsavedChanges());
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(session.ConfirmDiscard());
    EXPECT_EQ(ui.questions.back(), "Save the changes to a project first?");
    ui.answers = {Answer::Yes};
    EXPECT_FALSE(session.ConfirmDiscard()) << "the save dialog was cancelled: stay";
    ui.answers = {Answer::Yes};
    ui.savePaths = {app.path() / "kept.tpp"};
    EXPECT_TRUE(session.ConfirmDiscard());
    EXPECT_TRUE(app.Exists("kept.tpp"));
    EXPECT_FALSE(session.HasUnsavedChanges());

    session.Undo();
    EXPECT_TRUE(session.HasUnsavedChanges());
    session.Redo();
    EXPECT_FALSE(session.HasUnsavedChanges()) << "back where the project was saved";
    session.Undo();
    ui.answers = {Answer::Cancel};
    const std::string value = session.workspace()->tables.colors[0].value;
    session.RecalculateTemplate();
    EXPECT_EQ(session.workspace()->tables.colors[0].value, value) << "Cancel keeps the work";
    EXPECT_TRUE(session.CanRedo());
    ui.answers = {Answer::No};
    session.RecalculateTemplate();
    EXPECT_FALSE(session.CanRedo());
    EXPECT_FALSE(session.HasUnsavedChanges());
}

TEST_F(SessionTest, AMenuTooLargeForAPageIsNamedWithItsSizeUnderTheLoadMessage) {
    WriteSmallPackage(app);
    std::string menu = "pd_menu_01\r\n";
    const std::string caption(1000, 'x');
    for (int i = 0; i < 20000; ++i)
        menu += "\t" + caption + "|#|\r\n";
    app.Write("templates/pkg/menus/main/menu.lyo", menu);
    Start();
    Select(0);
    session.RecalculateTemplate();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(FirstLines(ui.errors).front(), texts::kLoadFailed);
    EXPECT_NE(ui.errors[0].find("The menu \"Main\" is too large: its 20001 items make 20 MB of page text"),
              std::string::npos)
        << ui.errors[0];
}

TEST(ToolPlacement, TheChooserOpensBesideThePreviewNotOverIt) {
    const ScreenBox screen{0, 0, 1920, 1080};
    const ScreenBox right = PlaceBesidePreview(screen, {100, 300, 1100, 600}, 500, 450);
    EXPECT_EQ(right.x, 1208);
    EXPECT_EQ(right.y, 300);
    const ScreenBox left = PlaceBesidePreview(screen, {700, 900, 1100, 150}, 500, 450);
    EXPECT_EQ(left.x, 192) << "no room on the right: on the left";
    EXPECT_EQ(left.y, 630) << "kept on the screen";
    // A maximized window: above the preview at the screen's right edge, over the customizing area.
    const ScreenBox above = PlaceBesidePreview({0, 0, 1280, 1024}, {0, 520, 1280, 480}, 500, 450);
    EXPECT_EQ(above.x, 780);
    EXPECT_EQ(above.y, 70);
    const ScreenBox tiny = PlaceBesidePreview({0, 0, 400, 300}, {0, 100, 400, 200}, 500, 450);
    EXPECT_EQ(tiny.x, 0);
    EXPECT_EQ(tiny.y, 0);
    EXPECT_EQ(tiny.width, 400) << "never larger than the screen";
}
