#include "customize/CustomizeFixture.h"
#include "menus/MenusPage.h"
#include "support/FakeMenuDialogs.h"

#include <functional>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr size_t kNavy = 5;
constexpr size_t kMaroon = 2;

// What a step may change: the tables and the bytes of menu.lyo (nothing: no file).
struct Snapshot {
    VariableTables t;
    std::optional<std::string> menu;

    bool operator==(const Snapshot& o) const {
        return t.colors == o.t.colors && t.fonts == o.t.fonts && t.images == o.t.images && t.layouts == o.t.layouts &&
               menu == o.menu;
    }
};

struct CustomizationHistoryTest : CustomizeFixture {
    void OpenWithSelections() {
        session.menusPage().SetDialogs(&dialogs);
        Open();
        session.colorsPage().TitleClicked(0);
        session.fontsPage().onFontSelected(0);
        session.layoutsPage().onLayoutSelected(0);
        session.imagesPage().onImageSelected(0);
        session.menusPage().onMenuSelected(0);
    }
    Snapshot Now() {
        const fs::path menu = Pkg("menus/main/menu.lyo");
        return {ws().tables, fs::exists(menu) ? std::optional<std::string>(ReadFileBytes(menu)) : std::nullopt};
    }
    std::string UndoCaption() const { return session.history().UndoCaption(); }

    FakeMenuDialogs dialogs;
};

} // namespace

TEST_F(CustomizationHistoryTest, EveryKindOfStepIsUndoneAndRedoneExactly) {
    WritePkg("images/b.gif", "GIF89a b");
    WritePkg("presets/colors/Dark.xml", TableXml({"<title>Text</title><var>%%c_text%%</var><default>#0</default>"}));
    WritePkg("presets/menus/Short.xml", "short\r\n\tOnly|only.html|\r\n");
    app.Write("side.tms", "side\r\n\tOne|1.html|\r\n");
    app.Write("p.tpp", "pkg\r\n<$[---FONTS---]$>\r\n<$[---FONTS---SUB---]$>\r\n0\r\nCourier\r\n9\r\npt\r\n\r\n\r\n\r\n"
                       "<$[---FONTS---SUB---END---]$>\r\n<$[---FONTS---END---]$>\r\n<$[---MENUS---]$>\r\n"
                       "<$[---MENUS---SUB---]$>\r\nMain\r\nproj\r\n<$[---MENUS---SUB---END---]$>\r\n"
                       "<$[---MENUS---END---]$>\r\n");
    dialogs.items = {MenuItemFields{"Events", "e.html", ""}, MenuItemFields{"Gigs", "g.html", "_blank"}};
    dialogs.classNames = {"nav"};
    dialogs.openPaths = {app.path() / "side.tms"};
    OpenWithSelections();
    FontsPage& fonts = session.fontsPage();
    MenusPage& menus = session.menusPage();
    PresetStore& colorPresets = session.colorsPage().presets();

    const std::vector<std::pair<std::string, std::function<void()>>> steps{
        {"color Text", [&] { session.colorsPage().SwatchClicked(kNavy); }},
        {"font Body",
         [&] {
             fonts.EditBox(FontBox::Family, "Arial");
             fonts.Store(FontBox::Family);
         }},
        // size and unit: one step
        {"font Body",
         [&] {
             fonts.EditBox(FontBox::Size, "9");
             fonts.EditBox(FontBox::Unit, "pt");
             fonts.Apply(FontBox::Size);
         }},
        {"layout Top", [&] { session.layoutsPage().OptionClicked(0); }},
        {"image Logo", [&] { session.imagesPage().FileClicked(0); }},
        {"colors preset Dark",
         [&] {
             colorPresets.Select(0);
             colorPresets.Apply();
         }},
        {"colors default", [&] { colorPresets.Default(); }},
        {"add menu item Events", [&] { menus.Add(); }},
        {"edit menu item Gigs",
         [&] {
             menus.SelectNode(NodePath{0, 1});
             menus.Edit();
         }},
        {"move menu item Gigs", [&] { menus.Move(OutlineMove::Up); }},
        {"delete menu item Gigs", [&] { menus.Delete(); }},
        {"menu class name", [&] { menus.ClassName(); }},
        {"menu structure side.tms", [&] { menus.OpenStructure(); }},
        {"menu preset Short",
         [&] {
             menus.presets().Select(0);
             menus.presets().Load();
         }},
        {"menu default", [&] { menus.Default(); }},
        {"project p.tpp", [&] { session.projectFiles().LoadProjectFrom(app.path() / "p.tpp"); }},
        {"fonts default", [&] { fonts.Default(); }},
    };
    const std::string firstPreview = Preview();
    std::vector<Snapshot> states{Now()};
    for (const auto& [label, act] : steps) {
        act();
        EXPECT_EQ(UndoCaption(), "Undo: " + label);
        EXPECT_FALSE(states.back() == Now()) << label << " changed nothing";
        states.push_back(Now());
    }
    ASSERT_EQ(session.history().size(), steps.size());

    for (size_t i = steps.size(); i-- > 0;) {
        const size_t rebuilds = Rebuilds();
        session.Undo();
        EXPECT_EQ(Rebuilds(), rebuilds + 1);
        EXPECT_TRUE(Now() == states[i]) << "undoing " << steps[i].first;
        EXPECT_EQ(session.history().RedoCaption(), "Redo: " + steps[i].first);
    }
    EXPECT_EQ(UndoCaption(), "Undo");
    EXPECT_EQ(Preview(), firstPreview);
    for (size_t i = 0; i < steps.size(); ++i) {
        session.Redo();
        EXPECT_TRUE(Now() == states[i + 1]) << "redoing " << steps[i].first;
    }
    EXPECT_EQ(session.history().RedoCaption(), "Redo");
    EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();
}

TEST_F(CustomizationHistoryTest, UnchangedActionsAddNothingAndANewStepDropsTheRedoSteps) {
    OpenWithSelections();
    ColorsPage& colors = session.colorsPage();
    session.menusPage().Drop(std::nullopt, 0, 10); // writes menu.lyo and rebuilds, unchanged
    colors.ApplyField();                           // the row's own value again
    ui.pointedColors = {RgbColor(1, 1, 1)};
    colors.ChooseColor(); // previewed, then cancelled
    EXPECT_FALSE(session.CanUndo());

    colors.SwatchClicked(kNavy);
    colors.SwatchClicked(kNavy);
    ui.chosenColors = {RgbColor(3, 3, 3)};
    colors.ChooseColor(); // previewed and chosen: one step
    EXPECT_EQ(session.history().size(), 2u);
    session.Undo();
    EXPECT_EQ(colors.colorField(), "#000080");
    EXPECT_EQ(colors.selectedSwatch(), kNavy);
    session.layoutsPage().OptionClicked(0);
    EXPECT_FALSE(session.CanRedo());
    EXPECT_EQ(session.history().size(), 2u);

    // No undo while an action is still running.
    session.BeginStep(StepReach::Tables);
    session.Undo();
    session.EndStep("nothing");
    EXPECT_EQ(UndoCaption(), "Undo: layout Top");
}

TEST_F(CustomizationHistoryTest, TheOldestStepsGoBeyondTwoHundredAndALoadForgetsThemAll) {
    OpenWithSelections();
    for (size_t i = 0; i < CustomizationHistory::kCapacity + 5; ++i)
        session.colorsPage().SwatchClicked(i % 2 ? kMaroon : kNavy);
    EXPECT_EQ(session.history().size(), CustomizationHistory::kCapacity);
    while (session.CanUndo())
        session.Undo();
    EXPECT_EQ(ws().tables.colors[0].value, "#000080"); // as step 4 left it

    // Undone while the finished files are shown, they follow.
    session.Redo();
    session.WorkflowPageChanged(WorkflowPage::Files);
    session.Undo();
    EXPECT_NE(app.Read("templates/pkg/template/css/main.css").find("#000080"), std::string::npos);

    ui.answers = {Answer::No}; // do not save the changes first
    session.RecalculateTemplate();
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.CanRedo());
}

TEST_F(CustomizationHistoryTest, AMissingMenuFileIsMissingAgainAndAFailedUndoKeepsItsStep) {
    const fs::path file = Pkg("menus/main/menu.lyo");
    OpenWithSelections();
    fs::remove(file);
    session.menusPage().onMenuSelected(0);
    ui.messages.clear();
    session.menusPage().Add(); // starts the tree "Menu" and writes the file
    session.Undo();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(session.menusPage().tree().empty());
    EXPECT_TRUE(ui.messages.empty());

    session.Redo();
    dialogs.items = {MenuItemFields{"Events", "#", ""}};
    session.menusPage().Add();
    fs::remove(file);
    app.Write("templates/pkg/menus/main/menu.lyo/blocked", "a folder in the file's place");
    ui.errors.clear();
    session.Undo();
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(UndoCaption(), "Undo: add menu item Events");
    fs::remove_all(file);
    session.Undo();
    EXPECT_EQ(ReadFileBytes(file), "Menu\r\n");
    EXPECT_EQ(session.menusPage().tree(), (MenuTree{{"Menu", {}}}));
}

// A step that keeps to the tables reads no menu file; a menu action inside one still brings
// its menu file back.
TEST_F(CustomizationHistoryTest, AMenuActionInsideATablesStepIsUndoneWithIt) {
    OpenWithSelections();
    const Snapshot before = Now();
    dialogs.items = {MenuItemFields{"Events", "#", ""}};
    session.BeginStep(StepReach::Tables);
    session.colorsPage().SwatchClicked(kNavy);
    session.menusPage().Add();
    session.EndStep("both");
    EXPECT_EQ(session.history().size(), 1u);
    ASSERT_FALSE(Now() == before);
    session.Undo();
    EXPECT_TRUE(Now() == before);
}
