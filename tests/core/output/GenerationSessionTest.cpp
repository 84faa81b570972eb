#include "app/Session.h"
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
    RecordingPlatform platform;
    FakeBrowsers browsers;
    Session session{ui, platform, browsers};
};

} // namespace

TEST_F(GenerationSessionTest, EnteringTheFilesPageGeneratesAndShowsItsFirstTab) {
    session.OutputPageChanged(2);
    session.WorkflowPageChanged(WorkflowPage::Files);
    EXPECT_EQ(session.workflow().activeOutputTab, 0);
    EXPECT_EQ(session.filesPage().generation().files.back(), "index.html");
    EXPECT_EQ(session.filesPage().generation().htmlCode, Output("index.html"));
    EXPECT_EQ(ui.suspended, 0);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(GenerationSessionTest, AnOptionChangeRegeneratesEverything) {
    session.WorkflowPageChanged(WorkflowPage::Files);
    app.Write("templates/pkg/css/main.css", "changed %%c_text%%\n");
    session.filesPage().SetTemplateOptions({true, false});
    EXPECT_EQ(Output("css/main.css"), "changed #112233\r\n");
    EXPECT_EQ(session.filesPage().generation().files.back(), "index_dw_mx.dwt");
    session.filesPage().SetTemplateOptions({false, false});
    EXPECT_FALSE(app.Exists("templates/pkg/template/index_dw_mx.dwt"));
}

TEST_F(GenerationSessionTest, FailuresAndRefusalsAreShownOnce) {
    app.Write("templates/pkg/static_files.tps", "..\\outside.txt\r\ngone.js\r\n");
    session.WorkflowPageChanged(WorkflowPage::Files);
    ASSERT_EQ(ui.errors.size(), 2u);
    EXPECT_NE(ui.errors[0].find("..\\outside.txt"), std::string::npos);
    EXPECT_NE(ui.errors[1].find("gone.js"), std::string::npos);
    EXPECT_EQ(ui.suspended, 0);
}

TEST_F(GenerationSessionTest, AMissingSourceLeavesTheLastGoodSite) {
    session.WorkflowPageChanged(WorkflowPage::Files);
    const std::string site = Output("index.html");
    fs::remove(app.path() / "templates/pkg/layouts/top/wide.lyo");
    session.filesPage().GenerateTemplate();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("wide.lyo"), std::string::npos);
    EXPECT_EQ(Output("index.html"), site);
}

struct RecordingExportView : ExportView {
    void SetBrowserVisible(bool visible) override { steps.push_back(visible ? "show" : "hide"); }
    void ShowFolder(const fs::path& folder) override { steps.push_back(folder.filename().string()); }
    std::vector<std::string> steps;
};

TEST_F(GenerationSessionTest, ExportGoesIntoFoldersWithNonAsciiNames) {
    session.WorkflowPageChanged(WorkflowPage::Files);
    RecordingExportView view;
    for (const char* name :
         {"\xC3\x89t\xC3\xA9", "\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82\xD1\x8B"}) {
        fs::create_directories(app.path() / name);
        EXPECT_EQ(session.filesPage().ExportTemplate(app.path() / name, view), ExportOutcome::Copied);
        EXPECT_EQ(app.Read(std::string(name) + "/template/index.html"), Output("index.html"));
    }
    EXPECT_EQ(view.steps[0], "hide");
    EXPECT_EQ(view.steps[1], "template");
    EXPECT_EQ(view.steps[3], "show");
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(session.filesPage().ExportTemplate(" ", view), ExportOutcome::NoTarget);
    EXPECT_EQ(view.steps.size(), 8u);
}

TEST_F(GenerationSessionTest, MessagesShowPathsInTheProgramsText) {
    fs::create_directories(app.path() / "\xC3\x89t\xC3\xA9");
    platform.openSucceeds = false;
    session.filesPage().OpenInExplorer(app.path() / "\xC3\x89t\xC3\xA9");
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("\xC3\x89t\xC3\xA9\""), std::string::npos);
}

TEST_F(GenerationSessionTest, ExportAndTheExternalViewersGoThroughThePlatform) {
    session.WorkflowPageChanged(WorkflowPage::Files);
    fs::create_directories(app.path() / "site");
    RecordingExportView view;
    EXPECT_EQ(session.filesPage().ExportTemplate(app.path() / "site", view), ExportOutcome::Copied);
    EXPECT_EQ(app.Read("site/template/index.html"), Output("index.html"));

    session.PreviewInIE();
    session.filesPage().OpenInExplorer(app.path() / "site");
    session.filesPage().OpenInExplorer(" ");
    ASSERT_EQ(platform.opened.size(), 2u);
    EXPECT_EQ(platform.opened[0], app.path() / "templates/pkg/index_temp.html");
    EXPECT_EQ(platform.opened[1], app.path() / "site");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"No target Folder Selected!"});
    platform.openSucceeds = false;
    session.PreviewInIE();
    EXPECT_EQ(ui.errors.size(), 1u);
}
