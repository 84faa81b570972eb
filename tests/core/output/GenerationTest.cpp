#include "output/Generation.h"

#include "output/EditorTemplates.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "util/Error.h"
#include "util/FileLock.h"
#include "util/TextFile.h"
#include "workspace/WorkspaceLoader.h"

#include <atomic>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

using namespace quorlex;
using namespace quorlex::test;

namespace {

using Names = std::vector<std::string>;

struct GenerationTest : ::testing::Test {
    void SetUp() override {
        WriteSmallPackage(app);
        Load();
    }
    void Load() { LoadPackage(ws, app.path() / "templates/pkg", notices); }
    void Generate() { generator.Generate(ws, options, result); }
    std::string Output(const std::string& relative) const { return app.Read("templates/pkg/template/" + relative); }
    bool OutputHas(const std::string& relative) const { return app.Exists("templates/pkg/template/" + relative); }
    void WritePage(const std::string& page) const { app.Write("templates/pkg/index.html", page); }

    TestFolder app;
    Notices notices;
    TemplateWorkspace ws;
    TemplateOptions options;
    GenerationResult result;
    SiteGenerator generator;
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST_F(GenerationTest, WritesTheFinishedSiteInProductionOrder) {
    app.Write("templates/pkg/template/stale.txt", "from an earlier run");
    Generate();
    EXPECT_EQ(result.files, (Names{"images/logo.gif", "css/main.css", "index.html"}));
    EXPECT_FALSE(OutputHas("stale.txt"));
    EXPECT_EQ(Output("images/logo.gif"), "GIF89a");

    const std::string page = Output("index.html");
    EXPECT_TRUE(Contains(page, "<link rel=\"stylesheet\" type=\"text/css\" media=\"screen\" href=\"css/main.css\" />"));
    EXPECT_TRUE(Contains(page, "<div style=\"color:#445566\">wide</div>\r\n")); // color inside a fragment
    EXPECT_TRUE(Contains(page, "<img src=\"images/logo.gif\">"));
    EXPECT_TRUE(Contains(page, "<body class=\"pd_menu_01\">"));
    EXPECT_FALSE(Contains(page, "%%"));

    const std::string css = Output("css/main.css");
    EXPECT_EQ(css, "body { color: #112233; font-family:Verdana;font-size:12px;font-weight:bold;font-style:;"
                   "text-decoration:none; }\r\nh1 { color: #445566; }\r\n"); // %%C_HEAD%% in other case
    EXPECT_EQ(result.htmlCode, page);
    EXPECT_EQ(result.cssCode, css);
    EXPECT_TRUE(result.staticListFailure.empty());

    // A second sheet: each one is kept by its name for the code view, the last as the CSS code.
    ws.stylesheets.push_back(ws.stylesheets[0]);
    ws.stylesheets.back().filename = "menu.css";
    app.Write("templates/pkg/css/menu.css", "ul { color: %%C_HEAD%%; }");
    Generate();
    ASSERT_EQ(result.styleSheets.size(), 2u);
    EXPECT_EQ(result.styleSheets[0].name, "css/main.css");
    EXPECT_EQ(result.styleSheets[0].text, css);
    EXPECT_EQ(result.styleSheets[1].name, "css/menu.css");
    EXPECT_EQ(result.cssCode, result.styleSheets[1].text);
}

TEST_F(GenerationTest, StaticFilesComeFirstNormalizedAndSkipBlankLines) {
    app.Write("templates/pkg/static_files.tps", "scripts/menu.js\r\n\r\n  \r\n/favicon.ico\r\nmissing.txt\r\n");
    app.Write("templates/pkg/scripts/menu.js", "js");
    app.Write("templates/pkg/favicon.ico", "ico");
    Generate();
    EXPECT_EQ(result.files, (Names{"scripts\\menu.js", "favicon.ico", "missing.txt", "images/logo.gif", "css/main.css",
                                   "index.html"}));
    EXPECT_EQ(Output("scripts/menu.js"), "js");
    EXPECT_EQ(Output("favicon.ico"), "ico");
    EXPECT_EQ(result.notCopied, Names{"missing.txt"});
    EXPECT_TRUE(Contains(NotCopiedMessage(result), "missing.txt"));
}

TEST_F(GenerationTest, AFolderLineCopiesTheFolderWholeButNoLinkOutOfThePackage) {
    app.Write("outside/secret.txt", "secret");
    app.Write("templates/pkg/static_files.tps", "vendor\r\nfonts/\r\n");
    app.Write("templates/pkg/vendor/js/a.js", "a");
    app.Write("templates/pkg/vendor/css/\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x8E.css", "m");
    app.Write("templates/pkg/vendor/README", "r");
    app.Write("templates/pkg/fonts/f.ttf", "font");
    fs::create_directories(app.path() / "templates/pkg/vendor/empty");
    fs::create_directory_symlink(app.path() / "outside", app.path() / "templates/pkg/vendor/out");
    fs::create_symlink(app.path() / "outside/secret.txt", app.path() / "templates/pkg/vendor/secret.txt");
    fs::create_directory_symlink(app.path() / "templates/pkg/vendor", app.path() / "templates/pkg/vendor/loop");
    Generate();
    EXPECT_EQ(Output("vendor/js/a.js"), "a");
    EXPECT_EQ(Output("vendor/css/\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x8E.css"), "m");
    EXPECT_EQ(Output("vendor/README"), "r");
    EXPECT_EQ(Output("fonts/f.ttf"), "font");
    EXPECT_TRUE(OutputHas("vendor/empty"));
    EXPECT_FALSE(OutputHas("vendor/out/secret.txt"));
    EXPECT_FALSE(OutputHas("vendor/secret.txt"));
    EXPECT_FALSE(OutputHas("vendor/loop/README"));
    EXPECT_EQ(result.notCopied, (Names{"vendor\\out", "vendor\\secret.txt"}));
    EXPECT_TRUE(Contains(NotCopiedMessage(result), "\r\nvendor/out\r\n"));
    EXPECT_EQ(result.files.front(), "vendor\\README");
}

TEST_F(GenerationTest, ThePreviewRebasesAStylesheetsAddressesAndTheSiteKeepsItsText) {
    const std::string css = "@import \"more.css\";\nbody { background: url(\"../%%img_logo%%\") }\n";
    app.Write("templates/pkg/css/main.css", css);
    Load();
    EXPECT_TRUE(Contains(ws.templatePage, "@import \"css/more.css\";\r\nbody { background: url(\"%%img_logo%%\") }"))
        << ws.templatePage;
    Generate();
    EXPECT_EQ(Output("css/main.css"), "@import \"more.css\";\r\nbody { background: url(\"../images/logo.gif\") }\r\n");
}

TEST_F(GenerationTest, UnreadableStaticListIsReportedAndGenerationGoesOn) {
    fs::create_directories(app.path() / "templates/pkg/static_files.tps");
    Generate();
    EXPECT_EQ(FirstLines({result.staticListFailure}), Names{"Error Loading Static Files List..."});
    EXPECT_TRUE(Contains(result.staticListFailure, "static_files.tps")) << result.staticListFailure;
    EXPECT_EQ(result.files.back(), "index.html");
}

TEST_F(GenerationTest, OnlyTheFirstStylesheetPlaceholderBecomesALink) {
    WritePage("<head>%%style%%\n%%STYLE%%</head><!--BEGIN_EDITABLE--><!--END_EDITABLE-->\n");
    Generate();
    EXPECT_EQ(Output("index.html"),
              "<head><link rel=\"stylesheet\" type=\"text/css\" media=\"screen\" href=\"css/main.css\" />\r\n"
              "%%STYLE%%</head><!--BEGIN_EDITABLE--><!--END_EDITABLE-->\r\n");
}

TEST_F(GenerationTest, EmptyFontFieldsStillWriteAllFiveDeclarations) {
    ws.tables.fonts[0] = {"Body", "Arial", "12", "px", "", "", "", "%%f_body%%"};
    Generate();
    EXPECT_TRUE(Contains(Output("css/main.css"),
                         "font-family:Arial;font-size:12px;font-weight:;font-style:;text-decoration:;"));
}

TEST_F(GenerationTest, MenusAreReplacedBeforeImages) {
    app.Write("templates/pkg/menus/main/menu.lyo", "pd_menu_01\r\n\tHome|%%img_logo%%|\r\n");
    Generate();
    EXPECT_TRUE(Contains(Output("index.html"), "href=\"images/logo.gif\""));
}

TEST_F(GenerationTest, AnImageListedTwiceIsCopiedOnce) {
    ws.tables.images.push_back(ws.tables.images[0]);
    ws.tables.images.back().var = "%%img_other%%";
    Generate();
    EXPECT_EQ(result.files, (Names{"images/logo.gif", "images/logo.gif", "css/main.css", "index.html"}));
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(app.path() / "templates/pkg/template/images"))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1u);
    EXPECT_TRUE(result.notCopied.empty());
}

TEST_F(GenerationTest, WithoutStylesheetsThePageIsStillWritten) {
    ws.stylesheets.clear();
    Generate();
    EXPECT_EQ(result.files, (Names{"images/logo.gif", "index.html"}));
    EXPECT_EQ(result.cssCode, "");
    EXPECT_TRUE(Contains(result.htmlCode, "%%STYLE%%"));
}

TEST_F(GenerationTest, EditorTemplatesAreWrittenOnlyWhenAskedFor) {
    WritePage("<title><!--BEGIN_EDITABLE_TITLE-->T<!--END_EDITABLE_TITLE--></title>\n"
              "<!--BEGIN_EDITABLE_HEAD--><!--END_EDITABLE_HEAD-->\n"
              "<!--BEGIN_EDITABLE-->a<!--END_EDITABLE--><!--begin_editable-->b<!--END_EDITABLE-->\n"
              "<!--BEGIN_EDITABLE-->c<!--END_EDITABLE-->\n");
    options = {true, true};
    Generate();
    EXPECT_EQ(Names(result.files.end() - 3, result.files.end()),
              (Names{"index.html", "index_dw_mx.dwt", "index_ms_ew.dwt"}));
    EXPECT_TRUE(Contains(Output("index.html"), "<!--BEGIN_EDITABLE_TITLE-->T<!--END_EDITABLE_TITLE-->"));
    EXPECT_EQ(Output("index_dw_mx.dwt"),
              "<title><!-- TemplateBeginEditable name=\"doctitle\" -->T<!-- TemplateEndEditable --></title>\r\n"
              "<!-- TemplateBeginEditable name=\"head\" --><!-- TemplateEndEditable -->\r\n"
              "<!-- TemplateBeginEditable name=\"Region_1\" -->a<!-- TemplateEndEditable -->"
              "<!-- TemplateBeginEditable name=\"Region_2\" -->b<!-- TemplateEndEditable -->\r\n"
              "<!-- TemplateBeginEditable name=\"Region_3\" -->c<!-- TemplateEndEditable -->\r\n");
    EXPECT_EQ(Output("index_ms_ew.dwt"), "<title><!-- #BeginEditable \"doctitle\" -->T<!-- #EndEditable --></title>\r\n"
                                         "<!-- #BeginEditable \"head\" --><!-- #EndEditable -->\r\n"
                                         "<!-- #BeginEditable \"Region_1\" -->a<!-- #EndEditable -->"
                                         "<!-- #BeginEditable \"Region_2\" -->b<!-- #EndEditable -->\r\n"
                                         "<!-- #BeginEditable \"Region_3\" -->c<!-- #EndEditable -->\r\n");

    options = {false, true};
    Generate();
    EXPECT_FALSE(OutputHas("index_dw_mx.dwt"));
    EXPECT_EQ(result.files.back(), "index_ms_ew.dwt");
}

TEST(EditorTemplate, ThePageWithoutRegionsKeepsTitleAndHeadOnly) {
    EXPECT_EQ(EditorTemplate("<!--BEGIN_EDITABLE_HEAD-->x<!--END_EDITABLE_HEAD-->", TemplateVariant::DreamweaverMx),
              "<!-- TemplateBeginEditable name=\"head\" -->x<!-- TemplateEndEditable -->");
    EXPECT_EQ(EditorTemplate("plain", TemplateVariant::ExpressionWeb), "plain");
}

TEST_F(GenerationTest, PathsLeavingTheirFolderAreRefusedAndTheRestGenerated) {
    app.Write("secret.txt", "outside");
    app.Write("templates/pkg/static_files.tps", "..\\..\\secret.txt\r\n/etc/hostname\r\nc:\\boot.ini\r\n");
    ws.tables.images[0].folder = "../../";
    ws.tables.images[0].url = "secret.txt";
    ws.stylesheets.push_back(ws.stylesheets[0]);
    ws.stylesheets.back().folder = "..\\..\\..\\";
    ws.stylesheets.back().filename = "written.css";
    Generate();
    EXPECT_EQ(result.refused,
              (Names{"..\\..\\secret.txt", "c:\\boot.ini", "../../secret.txt", "..\\..\\..\\written.css"}));
    // A leading slash is dropped, so the line names a package file.
    EXPECT_EQ(result.files, (Names{"etc\\hostname", "css/main.css", "index.html"}));
    EXPECT_FALSE(OutputHas("secret.txt"));
    EXPECT_FALSE(fs::exists(app.path().parent_path() / "written.css"));
    const std::string message = RefusedFilesMessage(result);
    EXPECT_TRUE(Contains(message, "..\\..\\secret.txt"));
    EXPECT_TRUE(Contains(message, "../../secret.txt"));
    EXPECT_TRUE(Contains(message, "written.css"));
}

TEST_F(GenerationTest, AnUnreadableSourceStopsBeforeTheLastSiteIsTouched) {
    app.Write("templates/pkg/static_files.tps", "favicon.ico\r\n");
    app.Write("templates/pkg/favicon.ico", "ico");
    Generate();
    const std::string site = Output("index.html");
    for (const char* source : {"menus/main/menu.lyo", "css/main.css"}) {
        const std::string kept = app.Read(std::string("templates/pkg/") + source);
        fs::remove(app.path() / "templates/pkg" / source);
        try {
            Generate();
            FAIL() << "a missing source must stop generation";
        } catch (const Error& error) {
            EXPECT_TRUE(Contains(error.what(), fs::path(source).filename().string()));
        }
        EXPECT_TRUE(result.files.empty());
        EXPECT_EQ(Output("index.html"), site);
        EXPECT_EQ(Output("favicon.ico"), "ico");
        app.Write(std::string("templates/pkg/") + source, kept);
    }

    ws.settings.tempfolder = "index.html/template"; // the output folder cannot be created
    try {
        Generate();
        FAIL() << "an output folder that cannot be made must stop generation";
    } catch (const Error& error) {
        // The system's reason, not the code of a later call that succeeded.
        EXPECT_TRUE(Contains(error.what(), "Not a directory")) << error.what();
    }
    ws.settings.tempfolder = " ";
    EXPECT_THROW(Generate(), Error);
    EXPECT_TRUE(app.Exists("templates/pkg/index.html"));
}

TEST_F(GenerationTest, ANewSiteTakesThePlaceOfTheOldOneWholeAndNothingGoesToTheTrash) {
    Generate();
    const fs::path output = app.path() / "templates/pkg/template";
    app.Write("templates/pkg/.quorlex-staging/template/half.html", "left by a crash");
    Generate();
    EXPECT_FALSE(app.Exists("templates/pkg/.quorlex-staging"));
    EXPECT_FALSE(OutputHas("half.html"));
    EXPECT_TRUE(OutputHas("index.html"));

    // A failed run leaves the last good site as it was.
    app.Write("templates/pkg/template/mine.txt", "marks the old site");
    fs::remove(app.path() / "templates/pkg/layouts/top/wide.lyo");
    EXPECT_THROW(Generate(), Error);
    EXPECT_EQ(Output("mine.txt"), "marks the old site");
    EXPECT_FALSE(app.Exists("templates/pkg/.quorlex-staging"));
    EXPECT_TRUE(fs::is_directory(output));
}

TEST_F(GenerationTest, TwoGenerationsOfOnePackageTakeTurnsAndABusyOneIsRefused) {
    std::vector<std::thread> runs;
    std::atomic<int> failures{0};
    for (int i = 0; i < 4; ++i)
        runs.emplace_back([&] {
            SiteGenerator own;
            GenerationResult mine;
            try {
                own.Generate(ws, options, mine);
            } catch (const Error&) {
                ++failures;
            }
        });
    for (std::thread& run : runs)
        run.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(Output("images/logo.gif"), "GIF89a");
    EXPECT_TRUE(OutputHas("css/main.css"));

    const FileLock held(app.path() / "templates/pkg/.quorlex-lock", std::chrono::seconds(0), "held");
    app.Write("templates/pkg/template/mine.txt", "marks the old site");
    SiteGenerator impatient(std::chrono::milliseconds(100));
    try {
        impatient.Generate(ws, options, result);
        ADD_FAILURE() << "generated while another generation held the package";
    } catch (const Error& error) {
        EXPECT_TRUE(Contains(error.what(), "Another generation of this template is still running")) << error.what();
    }
    EXPECT_EQ(Output("mine.txt"), "marks the old site");
}

TEST_F(GenerationTest, DerivedColorsAndMenuMarkupReachTheFinishedFiles) {
    app.Write("templates/pkg/colors.xml",
              TableXml({"<title>Text</title><var>%%c_text%%</var><default>#112233</default>",
                        "<title>Head</title><var>%%c_head%%</var><default>#FF0000</default><rgb>%%c_head_rgb%%</rgb>"
                        "<darker>%%c_head_dark%%</darker><darker-by>20</darker-by><lighter>%%c_head_light%%</lighter>"
                        "<lighter-by>20</lighter-by><alpha>%%c_head_a%%</alpha><alpha-value>0.4</alpha-value>"}));
    app.Write("templates/pkg/css/main.css", "h1 { color: %%C_HEAD%%; border: 1px solid %%c_head_dark%%; }\n"
                                            "h1:hover { color: %%c_head_light%%; background: %%c_head_a%%; }\n"
                                            "h2 { color: rgba(%%c_head_rgb%%, 0.8); }\n");
    app.Write(
        "templates/pkg/menus.xml",
        TableXml({"<title>Main</title><default>x</default><folder>menus\\main\\</folder>"
                  "<var>%%menu_main%%</var><menuClass>%%menuclass%%</menuClass><list-class>navbar-nav</list-class>"
                  "<item-class>nav-item</item-class><link-class>nav-link</link-class>"
                  "<parent-class>dropdown</parent-class><sublist-class>dropdown-menu</sublist-class>"
                  "<sublink-class>dropdown-item</sublink-class>"}));
    app.Write("templates/pkg/menus/main/menu.lyo",
              "pd_menu_01\r\n\tHome|index.html|\r\n\tMore|#|\r\n\t\tA|a.html|\r\n");
    Load();
    Generate();
    EXPECT_EQ(Output("css/main.css"), "h1 { color: #FF0000; border: 1px solid #990000; }\r\n"
                                      "h1:hover { color: #FF6666; background: rgba(255, 0, 0, 0.4); }\r\n"
                                      "h2 { color: rgba(255, 0, 0, 0.8); }\r\n");
    EXPECT_TRUE(Contains(Output("index.html"),
                         "<ul class=\"navbar-nav\">\r\n"
                         "      <li class=\"nav-item\"><a class=\"nav-link\" href=\"index.html\">Home</a></li>\r\n"
                         "      <li class=\"nav-item dropdown\"><a class=\"nav-link\" href=\"#\">More</a>"
                         "<ul class=\"dropdown-menu\">\r\n"
                         "         <li><a class=\"dropdown-item\" href=\"a.html\">A</a></li>\r\n"
                         "      </ul></li>\r\n"
                         "</ul>\r\n"));
}

TEST_F(GenerationTest, PicturesAreLinkedNotCopiedAndAPictureSavedAnewReachesTheNextSiteOnly) {
    Generate();
    ASSERT_FALSE(ws.tables.images.empty());
    const std::string picture = ws.tables.images.front().folder + ws.tables.images.front().url;
    const fs::path source = app.path() / "templates/pkg" / picture;
    const fs::path shipped = app.path() / "templates/pkg/template" / picture;
    struct stat a {
    }, b{};
    ASSERT_EQ(::stat(source.c_str(), &a), 0);
    ASSERT_EQ(::stat(shipped.c_str(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino) << "the site's picture is a second name of the package's";

    const std::string before = ReadFileBytes(shipped);
    WriteFileAtomic(source, "saved by the image editor");
    EXPECT_EQ(ReadFileBytes(shipped), before) << "the last site keeps the picture it was made with";
    Generate();
    EXPECT_EQ(ReadFileBytes(shipped), "saved by the image editor");
    EXPECT_EQ(ReadFileBytes(source), "saved by the image editor") << "removing the old site leaves the package whole";
}
