#include "app/Session.h"
#include "output/LinkCheck.h"
#include "project/ProjectSave.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "util/TextFile.h"
#include "util/TextSearch.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The small package with a page of two editable regions in Windows-1252.
struct PagesSessionTest : ::testing::Test {
    void SetUp() override {
        WriteSmallPackage(app);
        app.Write("templates/pkg/index.html",
                  "<html><head><meta charset=\"windows-1252\">\n%%STYLE%%\n"
                  "<!--BEGIN_EDITABLE_TITLE--><title>Small</title><!--END_EDITABLE_TITLE-->\n</head>\n"
                  "<body class=\"%%MENUCLASS%%\">\n%%menu_main%%\n<!--BEGIN_EDITABLE--><p>Sample text</p>"
                  "<!--END_EDITABLE-->\n<!--BEGIN_EDITABLE--><p>Side</p><!--END_EDITABLE-->\n</body></html>\n");
        session.FormCreate(app.path());
        session.catalogPage().ListView1SelectItem(0, true);
        session.RecalculateTemplate();
        ASSERT_TRUE(session.workspace());
    }
    std::string Site(const std::string& file) { return app.Read("templates/pkg/template/" + file); }
    std::string Menu() { return app.Read("templates/pkg/menus/main/menu.lyo"); }

    TestFolder app;
    FakeUi ui;
    RecordingPlatform platform;
    FakeBrowsers browsers;
    Session session{ui, platform, browsers};
};

} // namespace

TEST_F(PagesSessionTest, AOnePageSiteWritesNothingNewAndPagesAreGeneratedBesideIndex) {
    session.filesPage().GenerateTemplate();
    const std::string onePage = Site("index.html");
    EXPECT_EQ(session.filesPage().generation().files.back(), "index.html");
    EXPECT_FALSE(app.Exists("templates/pkg/pages.xml"));

    PagesPage& pages = session.pagesPage();
    EXPECT_EQ(pages.RegionCount(), 2u);
    ASSERT_TRUE(pages.Add("About"));
    pages.SetRegionText(0, "Über uns – 日本\n\n| a | b |\n|---|---|\n| 1 | 2 |\n");
    ASSERT_TRUE(pages.Add("contact"));
    EXPECT_FALSE(pages.Add("ABOUT.html")) << "a second page of that name";
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(pages.PageFiles(), (std::vector<std::string>{"index.html", "About.html", "contact.html"}));
    EXPECT_TRUE(app.Exists("templates/pkg/pages.xml"));

    session.filesPage().GenerateTemplate();
    const auto& files = session.filesPage().generation().files;
    EXPECT_EQ(std::vector<std::string>(files.end() - 3, files.end()),
              (std::vector<std::string>{"index.html", "About.html", "contact.html"}));
    const std::string about = Site("About.html");
    EXPECT_TRUE(Contains(about, "\xDC"
                                "ber uns \x96 &#x65E5;&#x672C;"))
        << "Windows-1252 with references";
    EXPECT_TRUE(Contains(about, "<td>1</td>"));
    EXPECT_TRUE(Contains(about, "<p>Side</p>")) << "the second region as on the home page";
    EXPECT_FALSE(Contains(about, "Sample text"));
    EXPECT_TRUE(Contains(about, "<title>Small</title>"));
    EXPECT_TRUE(Contains(Site("contact.html"), "<!--BEGIN_EDITABLE-->\r\n<!--END_EDITABLE-->")) << "its own, empty";
    std::string home = Site("index.html");
    ReplaceAll(home, " aria-current=\"page\" class=\"current-page\"", "");
    EXPECT_EQ(home, onePage) << "the home page as in the template, its menu item marked";
}

TEST_F(PagesSessionTest, RenamingAPageRenamesItsMenuLinksInOneUndoStep) {
    PagesPage& pages = session.pagesPage();
    ASSERT_TRUE(pages.Add("about"));
    app.Write("templates/pkg/menus/main/menu.lyo", "pd_menu_01\r\n\tHome|index.html|\r\n\tAbout|about.html|\r\n");
    session.menusPage().onMenuSelected(0);
    ASSERT_TRUE(pages.Rename("team"));
    EXPECT_EQ(Menu(), "pd_menu_01\r\n\tHome|index.html|\r\n\tAbout|team.html|\r\n");
    EXPECT_EQ(pages.PageFiles().back(), "team.html");

    session.Undo();
    EXPECT_EQ(Menu(), "pd_menu_01\r\n\tHome|index.html|\r\n\tAbout|about.html|\r\n");
    EXPECT_EQ(pages.PageFiles().back(), "about.html");
    EXPECT_EQ(pages.selected(), 1u) << "the page stays selected";
    session.Redo();
    EXPECT_EQ(pages.PageFiles().back(), "team.html");

    session.filesPage().GenerateTemplate();
    EXPECT_TRUE(Contains(Site("team.html"), "<a aria-current=\"page\" class=\"current-page\" href=\"team.html\""));
    EXPECT_FALSE(Contains(Site("index.html"), "class=\"current-page\" href=\"team.html\""));
    EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();
}

TEST_F(PagesSessionTest, AProjectCarriesThePagesAndADamagedPagesFileNeverBlocksTheTemplate) {
    Notices unused;
    const std::string onePage = BuildProject(*session.workspace(), unused);
    ASSERT_TRUE(session.projectFiles().SaveProjectTo(app.path() / "one.tpp"));
    EXPECT_EQ(app.Read("one.tpp"), onePage);
    EXPECT_FALSE(Contains(onePage, "PAGES")) << "a one-page project is as it always was";

    ASSERT_TRUE(session.pagesPage().Add("about"));
    session.pagesPage().SetRegionText(0, "<$[---PAGES---END---]$>\nline two");
    ASSERT_TRUE(session.projectFiles().SaveProjectTo(app.path() / "two.tpp"));
    EXPECT_TRUE(Contains(app.Read("two.tpp"), "<$[---PAGES---]$>\r\n"));

    ui.answers = {Answer::Yes};
    session.pagesPage().Delete();
    EXPECT_EQ(session.pagesPage().PageFiles().size(), 1u);
    ASSERT_TRUE(session.projectFiles().LoadProjectFrom(app.path() / "two.tpp"));
    ASSERT_EQ(session.pagesPage().PageFiles().size(), 2u);
    EXPECT_EQ(session.workspace()->site.pages[1].regions[0].markdown, "<$[---PAGES---END---]$>\nline two");

    app.Write("templates/pkg/pages.xml", "<site><page file=\"index.html\"></site>");
    ui.answers = {Answer::No};
    session.RecalculateTemplate();
    ASSERT_TRUE(session.workspace());
    EXPECT_EQ(session.pagesPage().PageFiles().size(), 1u);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_TRUE(Contains(ui.messages.back(), "pages.xml")) << ui.messages.back();
    EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();
}

TEST_F(PagesSessionTest, TheSiteCheckFollowsTheLinksAndPicturesOfEveryPage) {
    PagesPage& pages = session.pagesPage();
    ASSERT_TRUE(pages.Add("about"));
    pages.SetRegionText(0,
                        "[Write to us](contact.html), [old](gone.html) ![Logo](images/logo.gif) ![x](images/nope.png)");
    ASSERT_TRUE(pages.Add("contact"));
    session.filesPage().GenerateTemplate();
    const std::vector<SiteFinding> findings = CheckLinks(app.path() / "templates/pkg/template", *session.workspace());
    std::vector<std::string> missing;
    for (const SiteFinding& finding : findings)
        if (finding.kind == FindingKind::MissingFile && finding.location == "about.html")
            missing.push_back(finding.subject);
    EXPECT_EQ(missing, (std::vector<std::string>{"gone.html", "images/nope.png"}));
}

TEST_F(PagesSessionTest, AMenuThatStylesTheCurrentItemMarksItOnEachPage) {
    app.Write("templates/pkg/menus/main/menu.lyo", "pd_menu_01\r\n\tHome|index.html|\r\n\tAbout|about.html|\r\n");
    MenuVariable& menu = session.workspace()->tables.menus[0];
    menu.markup.itemClass = "item";
    menu.markup.currentClass = "is-active";
    ASSERT_TRUE(session.pagesPage().Add("about"));
    session.filesPage().GenerateTemplate();
    const auto currentItem = [](const std::string& page) {
        const size_t at = page.find("is-active");
        return at == std::string::npos ? std::string() : page.substr(at, page.find("</li>", at) - at);
    };
    EXPECT_NE(currentItem(Site("about.html")).find("about.html"), std::string::npos) << Site("about.html");
    EXPECT_NE(currentItem(Site("index.html")).find("index.html"), std::string::npos);
    EXPECT_EQ(Site("about.html").find("is-active", Site("about.html").find("is-active") + 1), std::string::npos)
        << "one current item";
    EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();
}
