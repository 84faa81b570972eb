#include "app/Session.h"
#include "ports/FilesystemPlatform.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct GenerationSessionTest : ::testing::Test {
    void SetUp() override {
        WriteSmallPackage(app);
        session.FormCreate(app.path());
        session.catalogPage().ListView1SelectItem(0, true);
        session.catalogPage().ListView1Click(true);
        session.RecalculateTemplate();
    }
    std::string Output(const std::string& relative) const { return app.Read("templates/pkg/template/" + relative); }

    TestFolder app;
    FakeUi ui;
    FilesystemPlatform platform;
    FakeBrowsers browsers;
    Session session{ui, platform, browsers};
};

} // namespace

TEST_F(GenerationSessionTest, EnteringTheFilesPageGeneratesAndShowsItsFirstTab) {
    session.OutputPageChanged(2);
    session.WorkflowPageChanged(WorkflowState::kFilesPage);
    EXPECT_EQ(session.workflow().activeOutputTab, 0);
    EXPECT_EQ(session.generation().files.back(), "index.html");
    EXPECT_EQ(session.generation().htmlCode, Output("index.html"));
    EXPECT_EQ(ui.suspended, 0);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(GenerationSessionTest, AnOptionChangeRegeneratesEverything) {
    session.WorkflowPageChanged(WorkflowState::kFilesPage);
    app.Write("templates/pkg/css/main.css", "changed %%c_text%%\n");
    session.SetTemplateOptions({true, false});
    EXPECT_EQ(Output("css/main.css"), "changed #112233\r\n");
    EXPECT_EQ(session.generation().files.back(), "index_dw_mx.dwt");
    session.SetTemplateOptions({false, false});
    EXPECT_FALSE(app.Exists("templates/pkg/template/index_dw_mx.dwt"));
}

TEST_F(GenerationSessionTest, FailuresAndRefusalsAreShownOnce) {
    app.Write("templates/pkg/static_files.tps", "..\\outside.txt\r\ngone.js\r\n");
    fs::remove(app.path() / "templates/pkg/layouts/top/wide.lyo");
    session.WorkflowPageChanged(WorkflowState::kFilesPage);
    ASSERT_EQ(ui.errors.size(), 3u);
    EXPECT_NE(ui.errors[0].find("..\\outside.txt"), std::string::npos);
    EXPECT_NE(ui.errors[1].find("gone.js"), std::string::npos);
    EXPECT_NE(ui.errors[2].find("wide.lyo"), std::string::npos);
    EXPECT_EQ(session.generation().files, std::vector<std::string>{"gone.js"});
    EXPECT_EQ(ui.suspended, 0);
}

TEST_F(GenerationSessionTest, ExportAndTheExternalViewersGoThroughThePlatform) {
    session.WorkflowPageChanged(WorkflowState::kFilesPage);
    fs::create_directories(app.path() / "site");
    EXPECT_EQ(session.ExportTemplate((app.path() / "site").string()), ExportOutcome::Copied);
    EXPECT_EQ(app.Read("site/template/index.html"), Output("index.html"));

    session.PreviewInIE();
    session.OpenInExplorer((app.path() / "site").string());
    session.OpenInExplorer(" ");
    ASSERT_EQ(platform.opened.size(), 2u);
    EXPECT_EQ(platform.opened[0], app.path() / "templates/pkg/index_temp.html");
    EXPECT_EQ(platform.opened[1], app.path() / "site");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"No target Folder Selected!"});
    platform.openSucceeds = false;
    session.PreviewInIE();
    EXPECT_EQ(ui.errors.size(), 1u);
}
