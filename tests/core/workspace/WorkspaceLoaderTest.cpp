#include "workspace/WorkspaceLoader.h"

#include "preview/Rebuild.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "util/Error.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct LoaderTest : ::testing::Test {
    void SetUp() override { WriteSmallPackage(app); }
    void Load() { LoadPackage(ws, app.path() / "templates/pkg", notices); }
    void Write(const std::string& relative, const std::string& bytes) { app.Write("templates/pkg/" + relative, bytes); }
    void Remove(const std::string& relative) { fs::remove(app.path() / "templates/pkg" / relative); }

    TestFolder app;
    FakeUi ui;
    Notices notices;
    TemplateWorkspace ws;
};

} // namespace

TEST_F(LoaderTest, InlinesEachStylesheetInPlaceOfItsPlaceholder) {
    Load();
    EXPECT_EQ(ws.templatePage.find("%%STYLE%%"), std::string::npos);
    EXPECT_NE(ws.templatePage.find("<style type=\"text/css\" media=\"screen\">body { color: %%c_text%%; %%f_body%% }"
                                   "\r\nh1 { color: %%C_HEAD%%; }\r\n</style>"),
              std::string::npos);
    EXPECT_EQ(ws.stylesheetScratch, "body { color: %%c_text%%; %%f_body%% }\r\nh1 { color: %%C_HEAD%%; }\r\n");
    EXPECT_TRUE(notices.empty());
}

TEST_F(LoaderTest, TwoStylesheetsOnOnePlaceholderFillItsOccurrencesInTurn) {
    Write("index.html", "<head>\n%%STYLE%%\n%%style%%\n%%style%%\n</head>\n");
    Write("second.css", "p{}\n");
    Write("style_files.xml", TableXml({"<filename>main.css</filename><folder>css/</folder><var>%%style%%</var>"
                                       "<media>screen</media>",
                                       "<filename>second.css</filename><var>%%style%%</var><media>print</media>",
                                       "<filename>second.css</filename><var>%%absent%%</var><media>all</media>"}));
    Load();
    const size_t first = ws.templatePage.find("media=\"screen\"");
    const size_t second = ws.templatePage.find("media=\"print\">p{}\r\n</style>");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_NE(ws.templatePage.find("%%style%%"), std::string::npos);
    EXPECT_EQ(ws.templatePage.find("media=\"all\""), std::string::npos);
}

TEST_F(LoaderTest, APictureFolderOutsideThePackageIsRefused) {
    Write("tamblor_settings.xml", TableXml({"<imagebackup>../../elsewhere</imagebackup>"}));
    try {
        Load();
        FAIL() << "a backup outside the package was taken";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("\"../../elsewhere\" of <imagebackup>"), std::string::npos);
    }
}

TEST_F(LoaderTest, ReadsTablesSettingsAndPresets) {
    Write("presets/colors/Night.xml", "<x/>");
    Write("presets/colors/autumn.XML", "<x/>");
    Write("tamblor_settings.xml", TableXml({"<imageroot>elsewhere/</imageroot><tempfile>x.html</tempfile>"
                                            "<tempfolder>css</tempfolder>"}));
    Load();
    EXPECT_EQ(ws.tables.colors.size(), 2u);
    EXPECT_EQ(ws.tables.layouts[0].folder, "layouts\\top\\");
    EXPECT_EQ(ws.tables.DefaultImageTable.size(), 1u);
    // The package names its picture folders; the preview file and the output folder, which
    // generation replaces whole, keep the program's names.
    EXPECT_EQ(ws.settings.imageroot, "elsewhere");
    EXPECT_EQ(ws.settings.imagebackup, "default_images");
    EXPECT_EQ(ws.settings.tempfile, "index_temp.html");
    EXPECT_EQ(ws.settings.tempfolder, "template");
    EXPECT_EQ(ws.Presets(TableKind::Colors), (std::vector<std::string>{"autumn", "Night"}));
    EXPECT_TRUE(ws.Presets(TableKind::Menus).empty());
    for (bool visible : ws.tabVisible)
        EXPECT_TRUE(visible);
}

TEST_F(LoaderTest, MissingOptionalFilesHideTabsAndClearImageFolders) {
    Remove("colors.xml");
    Remove("images.xml");
    Load();
    EXPECT_FALSE(ws.TabVisible(TableKind::Colors));
    EXPECT_FALSE(ws.TabVisible(TableKind::Images));
    EXPECT_TRUE(ws.TabVisible(TableKind::Fonts));
    EXPECT_TRUE(ws.settings.imageroot.empty());
    EXPECT_TRUE(ws.settings.imagebackup.empty());
    LoadPackageExtras(ws);
    EXPECT_FALSE(ws.hoverFile.has_value());
    EXPECT_FALSE(ws.menuClassOffered);
}

TEST_F(LoaderTest, MissingStyleFilesIsReportedAndTheLoadGoesOn) {
    Remove("style_files.xml");
    Load();
    EXPECT_EQ(notices, (Notices{"Missing configuration file (\"style_files.xml\")"}));
    EXPECT_NE(ws.templatePage.find("%%STYLE%%"), std::string::npos);
    EXPECT_EQ(ws.tables.colors.size(), 2u);
}

TEST_F(LoaderTest, FaultsStopTheLoad) {
    for (const auto& [file, content] : std::vector<std::pair<std::string, std::string>>{
             {"tamblor_settings.xml", "<r><l></l></r>"},
             {"tamblor_settings.xml", "<r"},
             {"fonts.xml", "<r><l><item><title><b/></title></item></l></r>"},
             {"menus.xml", "<r><l/></r>"}}) {
        TestFolder fresh;
        WriteSmallPackage(fresh);
        fresh.Write("templates/pkg/" + file, content);
        TemplateWorkspace local;
        EXPECT_THROW(LoadPackage(local, fresh.path() / "templates/pkg", notices), Error) << file << content;
    }
    Remove("css/main.css");
    EXPECT_THROW(Load(), Error);
    Remove("index.html");
    EXPECT_THROW(Load(), Error);
}

TEST_F(LoaderTest, ExtrasFollowTheFlagFilesAndTheHoverFile) {
    Write("islayout.lyo", "");
    Write("csshover2.htc", "<attach/>\n");
    Load();
    LoadPackageExtras(ws);
    EXPECT_TRUE(ws.menuClassOffered);
    EXPECT_EQ(ws.hoverFile, std::optional<std::string>("<attach/>\r\n"));
}

TEST_F(LoaderTest, DeletesTheStalePreviewNamedByThePreviousSettings) {
    Write("index_temp.html", "old");
    Load();
    EXPECT_TRUE(app.Exists("templates/pkg/index_temp.html"));
    Load();
    EXPECT_FALSE(app.Exists("templates/pkg/index_temp.html"));
}

TEST_F(LoaderTest, PackagesMadeOnWindowsLoadUnchanged) {
    fs::rename(app.path() / "templates/pkg/css", app.path() / "templates/pkg/CSS");
    fs::rename(app.path() / "templates/pkg/index.html", app.path() / "templates/pkg/Index.HTML");
    Write("style_files.xml", TableXml({"<filename>MAIN.css</filename><folder>css\\</folder><var>%%style%%</var>"}));
    Load();
    EXPECT_NE(ws.templatePage.find("body { color"), std::string::npos);
}

TEST_F(LoaderTest, AStylesheetPathLeavingThePackageIsRefused) {
    app.Write("secret.css", "SECRET");
    Write("style_files.xml", TableXml({"<filename>secret.css</filename><folder>..\\..\\..\\</folder>"
                                       "<var>%%style%%</var>"}));
    EXPECT_THROW(Load(), Error);
    EXPECT_EQ(ws.templatePage.find("SECRET"), std::string::npos);
}

TEST_F(LoaderTest, FilesOfSeveralMegabytesLoadAndRebuildWhole) {
    std::string page = "<html><head>%%style%%</head><body>%%menu_main%%\n";
    while (page.size() < 6 * 1024 * 1024)
        page += "<p class=\"x\">%%c_text%% filler text filler text filler text</p>\n";
    Write("index.html", page + "</body></html>\n");
    std::string menu = "big\r\n";
    for (int i = 0; i < 100000; ++i)
        menu += "\tItem " + std::to_string(i) + "|#|\r\n";
    Write("menus/main/menu.lyo", menu);
    Load();
    EXPECT_GT(ws.templatePage.size(), 6u * 1024 * 1024);
    const std::string rebuilt = BuildWorkingPage(ws);
    EXPECT_EQ(rebuilt.find("%%c_text%%"), std::string::npos);
    EXPECT_NE(rebuilt.find(">Item 99999</a>"), std::string::npos);
}

TEST_F(LoaderTest, ShadeAndMarkupFieldsAreReadWhereGivenAndEmptyElsewhere) {
    Write("colors.xml", TableXml({"<title>Bar</title><var>%%bar%%</var><default>#336699</default>"
                                  "<rgb>%%bar_rgb%%</rgb><darker>%%bar_dark%%</darker><darker-by>15</darker-by>"
                                  "<lighter>%%bar_light%%</lighter><lighter-by>20%</lighter-by>"
                                  "<alpha>%%bar_a%%</alpha><alpha-value>0.3</alpha-value>"
                                  "<transparent>#FFFFFF</transparent>",
                                  "<title>Plain</title><var>%%plain%%</var><default>#000000</default>"}));
    Write("menus.xml", TableXml({"<title>Main</title><folder>menus\\main\\</folder><var>%%menu_main%%</var>"
                                 "<list-class> navbar-nav </list-class><parent-link-attribute>data-x=\"1\""
                                 "</parent-link-attribute><sublist-wrapper>drop</sublist-wrapper>"
                                 "<current-link-class>active</current-link-class><item-class>  </item-class>",
                                 "<title>Side</title><folder>menus\\main\\</folder><var>%%side%%</var>"
                                 "<item-class>\t</item-class>"}));
    Load();
    ASSERT_EQ(ws.tables.colors.size(), 2u);
    const ColorShades& bar = ws.tables.colors[0].shades;
    EXPECT_EQ(bar, (ColorShades{"%%bar_rgb%%", "%%bar_dark%%", "15", "%%bar_light%%", "20%", "%%bar_a%%", "0.3",
                                "#FFFFFF", "#336699"}));
    EXPECT_FALSE(ws.tables.colors[1].shades.Any());
    EXPECT_EQ(ws.tables.colors[1].shades.loadedValue, "#000000");

    ASSERT_EQ(ws.tables.menus.size(), 2u);
    const MenuMarkup& markup = ws.tables.menus[0].markup;
    EXPECT_EQ(markup.listClass, "navbar-nav");
    EXPECT_EQ(markup.parentLinkAttribute, "data-x=\"1\"");
    EXPECT_EQ(markup.sublistWrapper, "drop");
    EXPECT_EQ(markup.currentLinkClass, "active");
    EXPECT_EQ(markup.itemClass, "");
    EXPECT_FALSE(ws.tables.menus[1].markup.Any()) << "a field of blanks keeps the fixed form";

    // A row's value changes as the user works; what the shades fall back on does not.
    ws.tables.colors[0].value = "transparent";
    EXPECT_EQ(ws.tables.colors[0].shades.loadedValue, "#336699");
}
