#include "preview/LivePreview.h"

#include "preview/Rebuild.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "support/TestFolder.h"
#include "util/Error.h"
#include "util/TextFile.h"
#include "workspace/WorkspaceLoader.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct LivePreviewTest : ::testing::Test {
    void SetUp() override {
        WriteSmallPackage(app);
        Notices notices;
        LoadPackage(ws, app.path() / "templates/pkg", notices);
        preview.Write(ws);
        preview.Show(ws);
    }
    std::string Shown() const { return browsers.Shown(BrowserId::LivePreview); }
    std::string PreviewPath() const { return PreviewFile(ws).string(); }
    std::string Written() const { return ReadFileBytes(PreviewFile(ws)); }

    TestFolder app;
    TemplateWorkspace ws;
    FakeBrowsers browsers;
    LivePreview preview{browsers};
};

} // namespace

TEST_F(LivePreviewTest, AStylesheetChangeIsPatchedAndAnyOtherChangeLoadsThePage) {
    ASSERT_EQ(Shown(), PreviewPath());
    ws.tables.colors[0].value = "#FF0000";
    preview.Update(ws);
    EXPECT_EQ(Shown().rfind("styles:0=", 0), 0u) << Shown();
    EXPECT_NE(Shown().find("#FF0000"), std::string::npos);
    EXPECT_EQ(Written(), ws.workingPage);

    // The layout fragment lies outside the style blocks.
    ws.tables.layouts[0].choice = "narrow";
    preview.Update(ws);
    EXPECT_EQ(Shown(), PreviewPath());
    EXPECT_NE(Written().find("narrow"), std::string::npos);

    const size_t before = browsers.log.size();
    preview.Update(ws);
    EXPECT_EQ(browsers.log.size(), before + 1) << "the same page again is an empty patch";
    preview.Update(ws, ViewUpdate::Reload);
    EXPECT_EQ(Shown(), PreviewPath());
}

TEST_F(LivePreviewTest, AViewThatTakesNoPatchOrAFailedWriteMakesTheNextChangeLoadThePage) {
    browsers.patchesTaken = false;
    ws.tables.colors[0].value = "#FF0000";
    preview.Update(ws);
    EXPECT_EQ(Shown(), PreviewPath());
    EXPECT_NE(Written().find("#FF0000"), std::string::npos);

    browsers.patchesTaken = true;
    fs::remove(PreviewFile(ws));
    fs::create_directory(PreviewFile(ws)); // the write fails after the patch went out
    ws.tables.colors[0].value = "#00FF00";
    EXPECT_THROW(preview.Update(ws), Error);
    fs::remove(PreviewFile(ws));
    ws.tables.colors[0].value = "#FFFF00";
    preview.Update(ws);
    EXPECT_EQ(Shown(), PreviewPath());
    EXPECT_NE(Written().find("#FFFF00"), std::string::npos);
}
