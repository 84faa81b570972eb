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
    VariableTables tables;
    std::optional<std::string> menu;

    bool operator==(const Snapshot& other) const {
        const VariableTables& a = tables;
        const VariableTables& b = other.tables;
        return a.colors == b.colors && a.fonts == b.fonts && a.images == b.images && a.layouts == b.layouts &&
               a.menus == b.menus && menu == other.menu;
    }
};

struct CustomizationHistoryTest : CustomizeFixture {
    CustomizationHistoryTest() { session.menusPage().SetDialogs(&dialogs); }

    void OpenWithSelections() {
        Open();
        session.colorsPage().TitleClicked(0);
        session.fontsPage().onFontSelected(0);
        session.layoutsPage().onLayoutSelected(0);
        session.imagesPage().onImageSelected(0);
        session.menusPage().onMenuSelected(0);
    }
    Snapshot Now() {
        std::error_code ec;
        const fs::path menu = Pkg("menus/main/menu.lyo");
        return {ws().tables, fs::exists(menu, ec) ? std::optional<std::string>(ReadFileBytes(menu)) : std::nullopt};
    }
    std::string UndoCaption() const { return session.history().UndoCaption(); }
    std::string RedoCaption() const { return session.history().RedoCaption(); }
    size_t IndexOf(const std::vector<std::string>& list, const std::string& entry) {
        return static_cast<size_t>(std::find(list.begin(), list.end(), entry) - list.begin());
    }

    FakeMenuDialogs dialogs;
};

} // namespace

TEST_F(CustomizationHistoryTest, EveryKindOfStepIsUndoneAndRedoneExactly) {
    WritePkg("images/other.gif", "GIF89a other");
    WritePkg("presets/colors/Dark.xml", TableXml({"<title>Text</title><var>%%c_text%%</var><default>#000000</default>"}));
    WritePkg("presets/menus/Short.xml", "short\r\n\tOnly|only.html|\r\n");
    app.Write("side.tms", "side\r\n\tOne|1.html|\r\n\t\tTwo|2.html|_top\r\n");
    app.Write("p.tpp", "pkg\r\n<$[---FONTS---]$>\r\n<$[---FONTS---SUB---]$>\r\n0\r\nCourier\r\n9\r\npt\r\nnormal\r\n"
                       "italic\r\nunderline\r\n<$[---FONTS---SUB---END---]$>\r\n<$[---FONTS---END---]$>\r\n"
                       "<$[---MENUS---]$>\r\n<$[---MENUS---SUB---]$>\r\nMain\r\nproj\r\n\tP|p.html|\r\n"
                       "<$[---MENUS---SUB---END---]$>\r\n<$[---MENUS---END---]$>\r\n");
    OpenWithSelections();
    FontsPage& fonts = session.fontsPage();
    MenusPage& menus = session.menusPage();

    const std::vector<std::pair<std::string, std::function<void()>>> steps{
        {"color Text", [&] { session.colorsPage().SwatchClicked(kNavy); }},
        {"font Body",
         [&] {
             fonts.EditBox(FontBox::Family, "Arial");
             fonts.Store(FontBox::Family);
         }},
        {"font Body", // size and unit together are one step
         [&] {
             fonts.EditBox(FontBox::Size, "14");
             fonts.EditBox(FontBox::Unit, "pt");
             fonts.ApplySizeAndUnit();
         }},
        {"layout Top", [&] { session.layoutsPage().OptionClicked(IndexOf(session.layoutsPage().options(), "narrow")); }},
        {"image Logo", [&] { session.imagesPage().FileClicked(IndexOf(session.imagesPage().files(), "other.gif")); }},
        {"colors preset Dark",
         [&] {
             session.colorsPage().presets().Select(0);
             session.colorsPage().presets().Apply();
         }},
        {"colors default", [&] { session.colorsPage().presets().Default(); }},
        {"add menu item Events",
         [&] {
             dialogs.items.push_back(MenuItemFields{"Events", "events.html", ""});
             menus.Add();
         }},
        {"edit menu item Gigs",
         [&] {
             menus.SelectNode(NodePath{0, 1});
             dialogs.items.push_back(MenuItemFields{"Gigs", "gigs.html", "_blank"});
             menus.Edit();
         }},
        {"move menu item Gigs", [&] { menus.Move(OutlineMove::Up); }},
        {"delete menu item Gigs", [&] { menus.Delete(); }},
        {"menu class name",
         [&] {
             dialogs.classNames.push_back("nav");
             menus.ClassName();
         }},
        {"menu structure side.tms",
         [&] {
             dialogs.openPaths.push_back(app.path() / "side.tms");
             menus.OpenStructure();
         }},
        {"menu preset Short",
         [&] {
             menus.presets().Select(0);
             menus.presets().Load();
         }},
        {"menu default", [&] { menus.Default(); }},
        {"project p.tpp", [&] { ASSERT_TRUE(session.LoadProjectFrom(app.path() / "p.tpp")); }},
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
        EXPECT_EQ(UndoCaption(), "Undo: " + steps[i].first);
        const size_t rebuilds = Rebuilds();
        session.Undo();
        EXPECT_EQ(Rebuilds(), rebuilds + 1);
        EXPECT_TRUE(Now() == states[i]) << "undoing " << steps[i].first;
        EXPECT_EQ(RedoCaption(), "Redo: " + steps[i].first);
    }
    EXPECT_FALSE(session.CanUndo());
    EXPECT_EQ(UndoCaption(), "Undo");
    EXPECT_EQ(Preview(), firstPreview);

    for (size_t i = 0; i < steps.size(); ++i) {
        session.Redo();
        EXPECT_TRUE(Now() == states[i + 1]) << "redoing " << steps[i].first;
    }
    EXPECT_FALSE(session.CanRedo());
    EXPECT_EQ(RedoCaption(), "Redo");
    EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();
}

TEST_F(CustomizationHistoryTest, UnchangedActionsAddNothingAndANewStepDropsTheRedoSteps) {
    OpenWithSelections();
    session.menusPage().Drop(std::nullopt, 0, 10); // writes menu.lyo and rebuilds, unchanged
    session.colorsPage().ApplyField();             // the row's own value again
    EXPECT_FALSE(session.CanUndo());

    session.colorsPage().SwatchClicked(kNavy);
    session.colorsPage().SwatchClicked(kNavy);
    session.colorsPage().SwatchClicked(kMaroon);
    EXPECT_EQ(session.history().size(), 2u);
    session.Undo();
    EXPECT_EQ(ws().tables.colors[0].value, "#000080");
    EXPECT_EQ(session.colorsPage().colorField(), "#000080");
    EXPECT_EQ(session.colorsPage().selectedSwatch(), kNavy);
    EXPECT_TRUE(session.CanRedo());

    session.layoutsPage().OptionClicked(0);
    EXPECT_FALSE(session.CanRedo());
    EXPECT_EQ(session.history().size(), 2u);
    session.Redo();
    EXPECT_EQ(ws().tables.layouts[0].choice, "narrow");

    // The colors the chooser previews are one step with the color it stores, and none when cancelled.
    session.colorsPage().TitleClicked(1);
    ui.pointedColors = {RgbColor(1, 1, 1), RgbColor(2, 2, 2)};
    session.colorsPage().ChooseColor();
    EXPECT_EQ(UndoCaption(), "Undo: layout Top");
    ui.chosenColors.push_back(RgbColor(3, 3, 3));
    session.colorsPage().ChooseColor();
    EXPECT_EQ(ws().tables.colors[1].value, "#030303");
    session.Undo();
    EXPECT_EQ(ws().tables.colors[1].value, "#445566");
    session.Redo();

    // No undo while an action is still running.
    session.BeginStep();
    EXPECT_FALSE(session.CanUndo());
    session.Undo();
    session.EndStep("nothing");
    EXPECT_EQ(ws().tables.layouts[0].choice, "narrow");
    EXPECT_EQ(UndoCaption(), "Undo: color Head");
}

TEST_F(CustomizationHistoryTest, TheOldestStepsGoBeyondTwoHundredAndALoadForgetsThemAll) {
    OpenWithSelections();
    const size_t total = CustomizationHistory::kCapacity + 5;
    for (size_t i = 0; i < total; ++i)
        session.colorsPage().SwatchClicked(i % 2 ? kMaroon : kNavy);
    EXPECT_EQ(session.history().size(), CustomizationHistory::kCapacity);
    while (session.CanUndo())
        session.Undo();
    // Steps 0 to 4 are gone: the oldest left starts from the value step 4 stored.
    EXPECT_EQ(ws().tables.colors[0].value, "#000080");

    session.Redo();
    // Undone while the finished files are shown, they follow.
    session.WorkflowPageChanged(WorkflowState::kFilesPage);
    EXPECT_NE(app.Read("templates/pkg/template/css/main.css").find("#800000"), std::string::npos);
    session.Undo();
    EXPECT_NE(app.Read("templates/pkg/template/css/main.css").find("#000080"), std::string::npos);

    session.RecalculateTemplate();
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.CanRedo());
    EXPECT_EQ(session.history().size(), 0u);
}

TEST_F(CustomizationHistoryTest, AMissingMenuFileIsMissingAgainAndAFailedUndoKeepsItsStep) {
    const fs::path file = Pkg("menus/main/menu.lyo");
    OpenWithSelections();
    fs::remove(file);
    session.menusPage().onMenuSelected(0);
    ui.messages.clear();
    ASSERT_TRUE(session.menusPage().Add()); // starts the tree "Menu" and writes the file
    EXPECT_EQ(UndoCaption(), "Undo: add menu item Menu");
    session.Undo();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(session.menusPage().tree().empty());
    EXPECT_TRUE(ui.messages.empty());
    ui.errors.clear(); // the rebuild misses the file, as before the step

    session.Redo();
    EXPECT_EQ(ReadFileBytes(file), "Menu\r\n");
    dialogs.items.push_back(MenuItemFields{"Events", "#", ""});
    ASSERT_TRUE(session.menusPage().Add());
    fs::remove(file);
    app.Write("templates/pkg/menus/main/menu.lyo/blocked", "a folder in the file's place");
    session.Undo();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(UndoCaption(), "Undo: add menu item Events");
    fs::remove_all(file);
    session.Undo();
    EXPECT_EQ(ReadFileBytes(file), "Menu\r\n");
    EXPECT_EQ(session.menusPage().tree(), (MenuTree{{"Menu", {}}}));
    EXPECT_EQ(UndoCaption(), "Undo: add menu item Menu");
}
