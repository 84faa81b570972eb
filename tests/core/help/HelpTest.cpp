#include "app/Session.h"
#include "help/HelpTopics.h"
#include "help/WebSite.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

using namespace quorlex;
using namespace quorlex::test;

TEST(HelpTopicsTest, EveryTopicOpensItsPageAndOtherNumbersTheIndex) {
    const std::pair<int, const char*> table[] = {
        {1, "select_colors.html"},    {2, "presets.html"},       {3, "fonts.html"},
        {7, "images.html"},           {8, "layouts.html"},       {10, "export.html"},
        {11, "select_template.html"}, {12, "tweak.html"},        {13, "deleteimage.html"},
        {14, "tweak_editor.html"},    {16, "imagebrowser.html"}, {17, "menus.html"},
        {18, "menus_presets.html"},   {19, "toolbar.html"},      {20, "csshover.html"},
        {21, "cssfile.html"},         {22, "htmlfile.html"},     {24, "pages.html"},
        {25, "publish.html"},         {26, "sitecheck.html"}};
    for (const auto& [topic, page] : table)
        EXPECT_STREQ(HelpPageOf(topic), page) << topic;
    for (int topic : {0, 4, 5, 6, 9, 15, 23, 27, -1, 1000})
        EXPECT_STREQ(HelpPageOf(topic), "index.html") << topic;
}

TEST(HelpTopicsTest, EveryPageOfTheTableShipsWithTheProgram) {
    const fs::path help = fs::path(QUORLEX_SAMPLE_TEMPLATES).parent_path() / "help";
    for (int topic = 0; topic <= 26; ++topic)
        EXPECT_TRUE(fs::exists(help / HelpPageOf(topic))) << HelpPageOf(topic);
    for (const char* page : {kMenuItemHelpPage, kClassNameHelpPage})
        EXPECT_TRUE(fs::exists(help / page)) << page;
}

namespace {

fs::path HelpFolder() { return fs::path(QUORLEX_SAMPLE_TEMPLATES).parent_path() / "help"; }

std::string ReadPage(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The href and src values of the tags of a page, "#..." fragments included.
std::vector<std::string> AddressesOf(const std::string& page) {
    static const std::regex address(R"re(<[a-zA-Z][^>]*?\b(?:href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), address); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1].str());
    return found;
}

bool IsRemote(const std::string& address) {
    return address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0 || address.rfind("mailto:", 0) == 0;
}

std::vector<fs::path> HelpPages() {
    std::vector<fs::path> pages;
    for (const auto& entry : fs::directory_iterator(HelpFolder()))
        if (entry.path().extension() == ".html")
            pages.push_back(entry.path());
    return pages;
}

} // namespace

TEST(HelpPagesTest, EveryLocalLinkLeadsToAFileAndItsAnchor) {
    const std::vector<fs::path> pages = HelpPages();
    ASSERT_GT(pages.size(), 20u);
    for (const fs::path& page : pages) {
        const std::string text = ReadPage(page);
        for (const std::string& address : AddressesOf(text)) {
            if (IsRemote(address))
                continue;
            const size_t hash = address.find('#');
            const std::string file = address.substr(0, hash);
            const fs::path target = file.empty() ? page : HelpFolder() / file;
            EXPECT_FALSE(file.find("..") != std::string::npos || fs::path(file).is_absolute())
                << page << ": " << address;
            ASSERT_TRUE(fs::is_regular_file(target)) << page.filename() << " links to " << address;
            if (hash != std::string::npos) {
                EXPECT_NE(ReadPage(target).find("id=\"" + address.substr(hash + 1) + "\""), std::string::npos)
                    << page.filename() << " links to the missing anchor " << address;
            }
        }
    }
}

TEST(HelpPagesTest, EveryPageCanBeReachedFromTheOverview) {
    std::set<std::string> reached{"index.html"};
    std::vector<std::string> toVisit{"index.html"};
    while (!toVisit.empty()) {
        const std::string page = toVisit.back();
        toVisit.pop_back();
        for (const std::string& address : AddressesOf(ReadPage(HelpFolder() / page))) {
            const std::string file = address.substr(0, address.find('#'));
            if (!IsRemote(address) && fs::path(file).extension() == ".html" && reached.insert(file).second)
                toVisit.push_back(file);
        }
    }
    for (const fs::path& page : HelpPages())
        EXPECT_TRUE(reached.count(page.filename().string())) << page.filename() << " has no link leading to it";
}

namespace {

struct SessionHelpTest : ::testing::Test {
    SessionHelpTest() {
        WriteSmallPackage(app);
        session.SetHelpViewer(&viewer);
        session.FormCreate(app.path());
    }
    std::string Page(const char* name) const { return (app.path() / "help" / name).string(); }

    TestFolder app;
    FakeUi ui;
    RecordingPlatform platform;
    FakeBrowsers browsers;
    FakeHelpViewer viewer;
    Session session{ui, platform, browsers};
};

} // namespace

TEST_F(SessionHelpTest, EachRequestSetsItsOwnAddress) {
    session.HelpRequested(helptopic::kSelectTemplate);
    session.HelpRequested(helptopic::kExport);
    session.HelpRequested(5);
    session.ShowHelpPage(kMenuItemHelpPage);
    EXPECT_EQ(viewer.shown, (std::vector<std::string>{Page("select_template.html"), Page("export.html"),
                                                      Page("index.html"), Page("menus2.html")}));
}

TEST_F(SessionHelpTest, PageHelpButtonsOpenTheirTopics) {
    session.colorsPage().Help();
    session.fontsPage().Help();
    session.colorsPage().presets().Help();
    session.imagesPage().presets().Help();
    session.layoutsPage().presets().Help();
    session.imagesPage().TweakHelp();
    session.imagesPage().DeleteImageHelp();
    session.imagesPage().EditorHelp();
    session.imagesPage().BrowserHelp();
    EXPECT_EQ(viewer.shown, (std::vector<std::string>{Page("select_colors.html"), Page("fonts.html"),
                                                      Page("presets.html"), Page("images.html"), Page("layouts.html"),
                                                      Page("tweak.html"), Page("deleteimage.html"),
                                                      Page("tweak_editor.html"), Page("imagebrowser.html")}));
}

TEST_F(SessionHelpTest, WebLinksOpenTheSiteAndReportABrowserThatFails) {
    session.OpenWebSite();
    session.ContactUs();
    EXPECT_EQ(platform.openedUrls,
              (std::vector<std::string>{std::string(kWebSite) + "/", std::string(kWebSite) + "/contact.html"}));
    EXPECT_TRUE(ui.errors.empty());
    platform.openSucceeds = false;
    session.ContactUs();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("/contact.html"), std::string::npos);
}

TEST(WebSiteTest, UpdateServerFollowsTheEnvironment) {
    unsetenv("QUORLEX_UPDATE_URL");
    EXPECT_EQ(UpdateServer(), kWebSite);
    setenv("QUORLEX_UPDATE_URL", "http://127.0.0.1:8080/", 1);
    EXPECT_EQ(UpdateServer(), "http://127.0.0.1:8080");
    setenv("QUORLEX_UPDATE_URL", "", 1);
    EXPECT_EQ(UpdateServer(), kWebSite);
    unsetenv("QUORLEX_UPDATE_URL");
    EXPECT_EQ(WebSiteCaption(), "www.quorlex.example");
}
