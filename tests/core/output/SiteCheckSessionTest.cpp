#include "app/Session.h"
#include "ports/PageProbe.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// Holds each request until the test answers it.
struct HeldProbe : PageProbe {
    void MeasureText(const fs::path& page, Done done) override {
        pages.push_back(page);
        pending.push_back(std::move(done));
    }
    std::vector<fs::path> pages;
    std::vector<Done> pending;
};

struct CountingListener : SiteCheckListener {
    void SiteCheckChanged() override { ++changes; }
    int changes = 0;
};

struct NoView : ExportView {
    void SetBrowserVisible(bool) override {}
    void ShowFolder(const fs::path&) override {}
};

const std::vector<TextSample> kFaint{{"Pale", "rgb(240, 240, 240)", {{"rgb(255, 255, 255)", false}}, 16, 400}};
const std::vector<TextSample> kClear{{"Dark", "rgb(0, 0, 0)", {{"rgb(255, 255, 255)", false}}, 16, 400}};

struct SiteCheckSessionTest : ::testing::Test {
    void SetUp() override {
        WriteSmallPackage(app);
        fs::create_directories(app.path() / "site");
        session.filesPage().siteCheck().SetProbe(&probe);
        session.filesPage().siteCheck().SetListener(&listener);
        session.FormCreate(app.path());
        session.catalogPage().ListView1SelectItem(0, true);
        session.catalogPage().ListView1Click(true);
        session.RecalculateTemplate();
        session.WorkflowPageChanged(WorkflowPage::Files);
    }
    ExportOutcome Export() { return session.filesPage().ExportTemplate(app.path() / "site", view); }
    bool Exported() const { return app.Exists("site/template/index.html"); }

    TestFolder app;
    FakeUi ui;
    RecordingPlatform platform;
    FakeBrowsers browsers;
    HeldProbe probe;
    CountingListener listener;
    NoView view;
    Session session{ui, platform, browsers};
};

} // namespace

TEST_F(SiteCheckSessionTest, GenerationStartsTheCheckOnTheFinishedPage) {
    const SiteCheck& check = session.filesPage().siteCheck();
    ASSERT_EQ(probe.pages.size(), 1u);
    EXPECT_EQ(probe.pages[0], app.path() / "templates/pkg/template/index.html");
    EXPECT_EQ(check.state(), SiteCheck::State::Checking);
    EXPECT_EQ(check.StatusText(), "Checking...");
    probe.pending[0](kFaint);
    EXPECT_EQ(check.state(), SiteCheck::State::Done);
    ASSERT_EQ(check.findings().size(), 1u);
    EXPECT_EQ(check.findings()[0].subject, "Pale");
    EXPECT_EQ(check.StatusText(), "The site check found 1 problem.");
    EXPECT_GE(listener.changes, 2);
}

TEST_F(SiteCheckSessionTest, ExportAsksAboutProblemsAndNoExportsNothing) {
    probe.pending[0](kFaint);
    app.Write("templates/pkg/menus/main/menu.lyo", "pd_menu_01\r\n\tHome|index.html|\r\n\tSoon|#|\r\n");
    session.filesPage().GenerateTemplate();
    probe.pending[1](kFaint);
    ui.answers = {Answer::No};
    EXPECT_EQ(Export(), ExportOutcome::Declined);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "The site check found 2 problems:\r\n"
                               "- Menu item without link: \"Soon\" in Main\r\n"
                               "- Low contrast: \"Pale\" in index.html\r\n"
                               "Export anyway?");
    EXPECT_FALSE(Exported());
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_TRUE(ui.messages.empty());

    ui.answers = {Answer::Yes};
    EXPECT_EQ(Export(), ExportOutcome::Copied);
    EXPECT_TRUE(Exported());
}

TEST_F(SiteCheckSessionTest, NoProblemsNoQuestion) {
    probe.pending[0](kClear);
    EXPECT_EQ(session.filesPage().siteCheck().StatusText(), "No problems found.");
    EXPECT_EQ(Export(), ExportOutcome::Copied);
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(SiteCheckSessionTest, ExportWhileCheckingAsksAndAnEmptyTargetAsksNothing) {
    EXPECT_EQ(session.filesPage().ExportTemplate(" ", view), ExportOutcome::NoTarget);
    EXPECT_TRUE(ui.questions.empty());
    ui.answers = {Answer::Cancel};
    EXPECT_EQ(Export(), ExportOutcome::Declined);
    EXPECT_EQ(ui.questions, std::vector<std::string>{"The site check has not finished yet. Export anyway?"});
    EXPECT_FALSE(Exported());
}

TEST_F(SiteCheckSessionTest, AnAnswerForAnEarlierSiteIsIgnored) {
    session.filesPage().SetTemplateOptions({true, false});
    ASSERT_EQ(probe.pending.size(), 2u);
    probe.pending[0](kFaint);
    EXPECT_EQ(session.filesPage().siteCheck().state(), SiteCheck::State::Checking);
    probe.pending[1](std::nullopt);
    EXPECT_EQ(session.filesPage().siteCheck().state(), SiteCheck::State::Done);
    EXPECT_EQ(session.filesPage().siteCheck().StatusText(), "No problems found. The text colors could not be checked.");
    probe.pending[1](kFaint); // a second answer changes nothing
    EXPECT_EQ(session.filesPage().siteCheck().ProblemCount(), 0u);
}

TEST_F(SiteCheckSessionTest, AFailedGenerationLeavesNoCheckToAskAbout) {
    probe.pending[0](kFaint);
    fs::remove(app.path() / "templates/pkg/layouts/top/wide.lyo");
    session.filesPage().GenerateTemplate();
    EXPECT_EQ(session.filesPage().siteCheck().state(), SiteCheck::State::NotRun);
    EXPECT_EQ(session.filesPage().siteCheck().StatusText(), "");
    EXPECT_EQ(Export(), ExportOutcome::Copied);
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(SiteCheckSessionTest, TextOverPicturesIsNotCheckedAndAFindingLeadsToWhatToChange) {
    const std::vector<TextSample> samples{
        {"Pale", "rgb(240, 240, 240)", {{"rgb(255, 255, 255)", false}}, 16, 400},
        {"On the banner", "rgb(255, 255, 255)", {{"rgba(0, 0, 0, 0)", false}, {"rgb(255, 255, 255)", true}}, 16, 400},
        {"Over a color over a picture", "rgb(0, 0, 0)", {{"rgb(255, 255, 255)", false}, {"", true}}, 16, 400}};
    session.workspace()->tables.colors[1].value = "#F0F0F0";
    app.Write("templates/pkg/menus/main/menu.lyo", "pd_menu_01\r\n\tHome|index.html|\r\n\tMore|#|\r\n\t\tSoon|#|\r\n");
    session.filesPage().GenerateTemplate();
    probe.pending[1](samples);
    const SiteCheck& check = session.filesPage().siteCheck();
    EXPECT_EQ(check.StatusText(), "The site check found 2 problems. 1 text over a picture was not checked.");
    const std::vector<SiteFinding> findings = check.findings();
    ASSERT_EQ(findings.size(), 2u) << "\"#\" opening a sub-list is no finding";
    EXPECT_EQ(findings[0].subject, "Soon");

    session.ShowFinding(findings[0]);
    EXPECT_EQ(session.workflow().activePage, WorkflowPage::Customize);
    EXPECT_EQ(session.workflow().activeSubPage, SubPage::Menus);
    EXPECT_EQ(session.menusPage().selected(), std::optional<size_t>(0));
    EXPECT_EQ(session.menusPage().selectedNode(), std::optional<NodePath>(NodePath{0, 1, 0}));

    ASSERT_EQ(findings[1].colorRow, std::optional<size_t>(1));
    session.ShowFinding(findings[1]);
    EXPECT_EQ(session.workflow().activeSubPage, SubPage::Colors);
    EXPECT_EQ(session.colorsPage().selected(), std::optional<size_t>(1));
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(SiteCheckSessionTest, EveryPageOfTheSiteIsMeasuredInTurn) {
    probe.pending[0](kClear);
    session.workspace()->site.pages = {{"index.html", std::nullopt, {}}, {"about.html", std::string("About"), {}}};
    session.filesPage().GenerateTemplate();
    ASSERT_EQ(probe.pages.size(), 2u);
    EXPECT_EQ(probe.pages[1].filename(), "index.html");
    probe.pending[1](kClear);
    ASSERT_EQ(probe.pages.size(), 3u) << "the next page follows the answer for the last";
    EXPECT_EQ(probe.pages[2].filename(), "about.html");
    EXPECT_EQ(session.filesPage().siteCheck().state(), SiteCheck::State::Checking);
    probe.pending[2](kFaint);
    const SiteCheck& check = session.filesPage().siteCheck();
    EXPECT_EQ(check.state(), SiteCheck::State::Done);
    ASSERT_EQ(check.findings().size(), 1u);
    EXPECT_EQ(check.findings()[0].location, "about.html");
}
