#include "preview/Rebuild.h"

#include "preview/TableSubstitution.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "util/Error.h"
#include "workspace/WorkspaceLoader.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

TEST(FontDeclaration, WritesOnlyPresentFieldsAndAlwaysTheLastSemicolon) {
    FontVariable f{"t", "Verdana", "12", "px", "bold", " ", "none", "v"};
    EXPECT_EQ(FontDeclaration(f), "font-family:Verdana;font-size:12px;font-weight:bold;text-decoration:none;");
    f.decoration = "";
    EXPECT_EQ(FontDeclaration(f), "font-family:Verdana;font-size:12px;font-weight:bold;;");
    EXPECT_EQ(FontDeclaration({}), ";");
    EXPECT_EQ(FontDeclaration({"", "", "", "", "", "", "underline", ""}), "text-decoration:underline;");
    EXPECT_EQ(FontDeclaration({"", "", "12", "points", "", "", "", ""}), "font-size:12points;;");
    EXPECT_EQ(FontDeclaration({"", " Arial ", "12", "", "", "", "", ""}), "font-family: Arial ;font-size:12;;");
}

namespace {

struct RebuildTest : ::testing::Test {
    void SetUp() override {
        WriteSmallPackage(app);
        LoadPackage(ws, app.path() / "templates/pkg", notices);
    }
    TestFolder app;
    Notices notices;
    TemplateWorkspace ws;
};

} // namespace

TEST_F(RebuildTest, ReplacesEveryTableInOrder) {
    const std::string page = BuildWorkingPage(ws);
    EXPECT_NE(page.find("body { color: #112233; font-family:Verdana;font-size:12px;font-weight:bold;"
                        "text-decoration:none; }"),
              std::string::npos);
    EXPECT_NE(page.find("h1 { color: #445566; }"), std::string::npos);
    // The fragment's color placeholder is replaced after the layout is inserted.
    EXPECT_NE(page.find("<div style=\"color:#445566\">wide</div>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<img src=\"images/logo.gif\">"), std::string::npos);
    EXPECT_NE(page.find("<body class=\"pd_menu_01\">"), std::string::npos);
    EXPECT_NE(page.find("<ul>\r\n      <li class=\"li_nc\"><a href=\"index.html\"  >Home</a></li>\r\n</ul>\r\n"),
              std::string::npos);
    EXPECT_EQ(page.find("%%"), std::string::npos);
    EXPECT_EQ(BuildWorkingPage(ws), page);
}

TEST_F(RebuildTest, ValuesAreTakenAsTheyAre) {
    ws.tables.colors[0].value = "";
    ws.tables.colors[1].value = "%%img_logo%% %%layout_top%%";
    ws.tables.layouts[0].choice = "narrow";
    const std::string page = BuildWorkingPage(ws);
    EXPECT_NE(page.find("body { color: ; "), std::string::npos);
    EXPECT_NE(page.find("h1 { color: images/logo.gif %%layout_top%%; }"), std::string::npos);
    EXPECT_NE(page.find("<div>narrow</div>"), std::string::npos);
}

TEST_F(RebuildTest, PlaceholdersInMenuCaptionsStayAsTyped) {
    app.Write("templates/pkg/menus/main/menu.lyo", "cls\r\n\t%%c_text%%|%%img_logo%%|\r\n");
    const std::string page = BuildWorkingPage(ws);
    EXPECT_NE(page.find("<a href=\"%%img_logo%%\"  >%%c_text%%</a>"), std::string::npos);
}

TEST_F(RebuildTest, AMissingFragmentFailsNamingTheFileAndAnUnreadableMenuShowsEmpty) {
    ws.tables.layouts[0].choice = "gone";
    try {
        BuildWorkingPage(ws);
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("gone.lyo"), std::string::npos);
    }
    ws.tables.layouts[0].choice = "wide";
    std::string page = "the last good page", scratch;
    ws.tables.layouts[0].choice = "gone";
    EXPECT_THROW(BuildWorkingPage(ws, page, scratch), Error);
    EXPECT_EQ(page, "the last good page");
    ws.tables.layouts[0].choice = "wide";
    app.Write("templates/pkg/menus/main/menu.lyo", "m\r\n\t\t\tdeep\r\n");
    EXPECT_NE(BuildWorkingPage(ws).find("<body class=\"\">"), std::string::npos);
    fs::remove(app.path() / "templates/pkg/menus/main/menu.lyo");
    EXPECT_NE(BuildWorkingPage(ws).find("<ul>\r\n</ul>\r\n"), std::string::npos);
}

TEST_F(RebuildTest, ReusedBuffersGiveTheSamePage) {
    std::string page, scratch;
    BuildWorkingPage(ws, page, scratch);
    ws.tables.colors[0].value = "red";
    BuildWorkingPage(ws, page, scratch);
    EXPECT_EQ(page, BuildWorkingPage(ws));
    EXPECT_NE(page.find("color: red;"), std::string::npos);
}

TEST_F(RebuildTest, EmptyMenuFileRendersAnEmptyList) {
    app.Write("templates/pkg/menus/main/menu.lyo", "");
    const std::string page = BuildWorkingPage(ws);
    EXPECT_NE(page.find("<body class=\"\">"), std::string::npos);
    EXPECT_NE(page.find("<ul>\r\n</ul>\r\n"), std::string::npos);
}

TEST(RebuildWithoutTables, CopiesTheTemplatePage) {
    TemplateWorkspace ws;
    ws.templatePage = "<p>%%x%%</p>\r\n";
    EXPECT_EQ(BuildWorkingPage(ws), ws.templatePage);
}
