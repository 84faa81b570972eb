#include "undo/UndoController.h"

#include "support/PackageBuilder.h"
#include "support/TestFolder.h"
#include "util/TextFile.h"
#include "workspace/WorkspaceLoader.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct UndoControllerTest : ::testing::Test {
    void SetUp() override {
        WriteSmallPackage(app);
        Notices notices;
        LoadPackage(ws, app.path() / "templates/pkg", notices);
    }
    std::string& Color() { return ws.tables.colors[0].value; }
    fs::path MenuFile() const { return app.path() / "templates/pkg/menus/main/menu.lyo"; }

    TestFolder app;
    TemplateWorkspace ws;
    UndoController undo;
};

} // namespace

TEST_F(UndoControllerTest, StepsOpenedInsideAnOpenStepJoinItAndNothingIsUndoneMeanwhile) {
    undo.BeginStep(&ws, StepReach::Tables);
    Color() = "#000001";
    undo.BeginStep(&ws, StepReach::Tables);
    Color() = "#000002";
    EXPECT_FALSE(undo.EndStep(&ws, "inner"));
    EXPECT_EQ(undo.history().size(), 0u);
    undo.BeginStep(&ws, StepReach::Tables);
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.EndStep(&ws, "inner"));
    EXPECT_TRUE(undo.EndStep(&ws, "outer"));
    ASSERT_EQ(undo.history().size(), 1u);
    EXPECT_EQ(undo.history().UndoCaption(), "Undo: outer");
    undo.Undo(ws);
    EXPECT_EQ(Color(), "#112233");
    EXPECT_TRUE(undo.CanRedo());
    undo.Redo(ws);
    EXPECT_EQ(Color(), "#000002");
}

TEST_F(UndoControllerTest, AStepWithoutAPackageRecordsNothingAndStaysBalanced) {
    undo.BeginStep(nullptr, StepReach::TablesAndMenuFiles);
    EXPECT_FALSE(undo.EndStep(nullptr, "before any load"));
    undo.BeginStep(&ws, StepReach::Tables);
    Color() = "#000001";
    EXPECT_TRUE(undo.EndStep(&ws, "color"));
    EXPECT_TRUE(undo.CanUndo());
    undo.Clear();
    EXPECT_FALSE(undo.CanUndo());
}

TEST_F(UndoControllerTest, AMenuActionInsideATablesStepReadsTheMenuFilesBeforeItWrites) {
    const std::string menu = ReadFileBytes(MenuFile());
    undo.BeginStep(&ws, StepReach::Tables);
    Color() = "#000001";
    undo.BeginStep(&ws, StepReach::TablesAndMenuFiles);
    WriteFileAtomic(MenuFile(), "pd_menu_01\r\n\tShop|shop.html|\r\n");
    undo.EndStep(&ws, "inner");
    ASSERT_TRUE(undo.EndStep(&ws, "outer"));
    undo.Undo(ws);
    EXPECT_EQ(ReadFileBytes(MenuFile()), menu);
    EXPECT_EQ(Color(), "#112233");
}
