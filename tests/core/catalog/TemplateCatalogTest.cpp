#include "catalog/TemplateCatalog.h"

#include "support/TestFolder.h"
#include "util/Error.h"

#include <gtest/gtest.h>

using namespace quorlex;
using quorlex::test::TestFolder;

namespace {

std::string CatalogError(const fs::path& app) {
    TemplateCatalog catalog;
    try {
        catalog.Reload_template_list(app);
    } catch (const Error& e) {
        EXPECT_TRUE(catalog.entries().empty());
        return e.what();
    }
    return "";
}

} // namespace

TEST(TemplateCatalog, WritesTheCatalogFileByteForByte) {
    TestFolder app;
    app.Write("templates/templates.tps", "blue\r\nmissing\r\n");
    app.Write("templates/blue/settings.tps", "Blue &amp; Green\r\nAnn\r\n1.0\r\n");
    TemplateCatalog catalog;
    catalog.Reload_template_list(app.path());
    EXPECT_EQ(
        app.Read("templates_tmp.xml"),
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><settings><channel>\r\n"
        "<item>\r\n<title>Blue &amp; Green</title>\r\n<author>Ann</author>\r\n<folder>blue</folder>\r\n</item>\r\n"
        "<item>\r\n<title>missing</title>\r\n<author></author>\r\n<folder>missing</folder>\r\n</item>\r\n"
        "</channel></settings>\r\n");
    ASSERT_EQ(catalog.entries().size(), 2u);
    EXPECT_EQ(catalog.entries()[0], (TemplateEntry{"Blue & Green", "Ann", "blue"}));
    EXPECT_EQ(catalog.entries()[1], (TemplateEntry{"missing", "", "missing"}));
}

TEST(TemplateCatalog, KeepsLineOrderAndEveryLineAsItStands) {
    TestFolder app;
    app.Write("templates/templates.tps", "zeta\n\nalpha \n");
    app.Write("templates/zeta/settings.tps", "Zeta\nZed\n\n");
    app.Write("templates/alpha /settings.tps", "Alpha\r\nAl\r\n");
    TemplateCatalog catalog;
    catalog.Reload_template_list(app.path());
    ASSERT_EQ(catalog.entries().size(), 3u);
    EXPECT_EQ(catalog.entries()[0], (TemplateEntry{"Zeta", "Zed", "zeta"}));
    EXPECT_EQ(catalog.entries()[1], (TemplateEntry{"", "", ""}));
    // Only two lines: the folder name is the title.
    EXPECT_EQ(catalog.entries()[2], (TemplateEntry{"alpha ", "", "alpha "}));
}

TEST(TemplateCatalog, EmptyIndexGivesAnEmptyCatalogWithoutError) {
    TestFolder app;
    app.Write("templates/templates.tps", "");
    TemplateCatalog catalog;
    EXPECT_NO_THROW(catalog.Reload_template_list(app.path()));
    EXPECT_TRUE(catalog.entries().empty());
}

TEST(TemplateCatalog, AMissingIndexOrAnUnwritableCatalogFileIsReported) {
    TestFolder app;
    EXPECT_NE(CatalogError(app.path()).find("templates.tps"), std::string::npos);
    EXPECT_FALSE(app.Exists("templates_tmp.xml"));

    app.Write("templates/templates.tps", "a\r\n");
    fs::create_directories(app.path() / "templates_tmp.xml" / "blocker");
    EXPECT_NE(CatalogError(app.path()).find("templates_tmp.xml"), std::string::npos);
}

TEST(TemplateCatalog, ABadEntryNeverHidesTheOthers) {
    TestFolder app;
    app.Write("templates/templates.tps", "fish\r\nR&D\r\nnul\r\nok\r\n");
    app.Write("templates/fish/settings.tps", "Fish & Chips <2>\r\nMe\r\nx\r\n");
    app.Write("templates/R&D/settings.tps", "Lab\r\nBo\r\nx\r\n");
    app.Write("templates/nul/settings.tps", std::string("Bin\0\x01"
                                                        "ary\r\nX\r\nx\r\n",
                                                        16));
    app.Write("templates/ok/settings.tps", "Fine &#233;\r\nAl\r\nx\r\n");
    TemplateCatalog catalog;
    catalog.Reload_template_list(app.path());
    ASSERT_EQ(catalog.entries().size(), 4u);
    EXPECT_EQ(catalog.entries()[0], (TemplateEntry{"Fish & Chips <2>", "Me", "fish"}));
    EXPECT_EQ(catalog.entries()[1], (TemplateEntry{"Lab", "Bo", "R&D"}));
    EXPECT_EQ(catalog.entries()[2], (TemplateEntry{"nul", "", "nul"}));
    EXPECT_EQ(catalog.entries()[3].title, "Fine \xC3\xA9");
    EXPECT_NE(app.Read("templates_tmp.xml").find("<title>Fine &#233;</title>"), std::string::npos);
    EXPECT_EQ(catalog.damaged(), std::vector<std::string>{"nul"});
    EXPECT_NE(catalog.DamagedEntriesMessage().find("\r\nnul"), std::string::npos);
}

TEST(TemplateCatalog, AnUpperCaseHexReferenceIsKeptAsText) {
    // "&#X26;" is no XML reference: kept as it is, it made the whole catalog unreadable.
    TestFolder app;
    app.Write("templates/templates.tps", "hex\r\nok\r\n");
    app.Write("templates/hex/settings.tps", "A &#X26; B\r\nMe\r\nx\r\n");
    TemplateCatalog catalog;
    catalog.Reload_template_list(app.path());
    ASSERT_EQ(catalog.entries().size(), 2u);
    EXPECT_EQ(catalog.entries()[0].title, "A &#X26; B");
}

TEST(TemplateCatalog, FolderNamesThatLeaveTheTemplatesFolderFallBack) {
    TestFolder app;
    app.Write("templates/templates.tps", "../outside\r\n");
    app.Write("outside/settings.tps", "Secret\r\nX\r\nY\r\n");
    TemplateCatalog catalog;
    catalog.Reload_template_list(app.path());
    EXPECT_EQ(catalog.entries()[0], (TemplateEntry{"../outside", "", "../outside"}));
}
