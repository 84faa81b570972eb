#include "app/Session.h"
#include "menus/MenuTreeText.h"
#include "project/ProjectFormat.h"
#include "project/ProjectLoad.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "util/Error.h"
#include "util/TextFile.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

const std::string kPkg = "templates/pkg/";

struct ProjectTest : ::testing::Test {
    void Open(size_t row = 0) {
        session.FormCreate(app.path());
        session.catalogPage().ListView1SelectItem(row, true);
        session.catalogPage().ListView1Click(true);
        session.RecalculateTemplate();
        ASSERT_NE(session.workspace(), nullptr);
    }
    VariableTables& tables() { return session.workspace()->tables; }
    std::string Save() {
        EXPECT_TRUE(session.projectFiles().SaveProjectTo(app.path() / "p.tpp"));
        return app.Read("p.tpp");
    }
    bool Load(const std::string& project) {
        app.Write("q.tpp", project);
        return session.projectFiles().LoadProjectFrom(app.path() / "q.tpp");
    }

    TestFolder app;
    FakeUi ui;
    RecordingPlatform platform;
    FakeBrowsers browsers;
    Session session{ui, platform, browsers};
};

std::string Block(const std::string& begin, const std::string& content, const std::string& end) {
    return begin + "\r\n" + content + end + "\r\n";
}

std::string ColorsXml(const std::string& items) {
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<root><list>" + items + "</list></root>\r\n";
}

} // namespace

TEST_F(ProjectTest, SaveWritesEverySectionByteForByte) {
    WriteSmallPackage(app);
    Open();
    tables().colors[1].value = "#ABCDEF";
    tables().fonts[0].family = "Caf\xE9 Sans";
    tables().images[0].url = "other.gif";
    tables().layouts[0].choice = "narrow";
    const std::string head = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<root>\r\n<list>\r\n";
    const std::string tail = "</list>\r\n</root>\r\n";
    const std::string expected =
        "pkg\r\n"
        "<$[---COLORS---]$>\r\n" +
        head +
        "<item><title>Text</title><var>%%c_text%%</var><default>#112233</default></item>\r\n"
        "<item><title>Head</title><var>%%c_head%%</var><default>#ABCDEF</default></item>\r\n" +
        tail +
        "<$[---COLORS---END---]$>\r\n"
        "<$[---IMAGES---]$>\r\n" +
        head + "<item><image>Logo</image><url>other.gif</url><folder>images/</folder><var>images/</var></item>\r\n" +
        tail +
        "<$[---IMAGES---END---]$>\r\n"
        "<$[---LAYOUTS---]$>\r\n" +
        head +
        "<item><title>Top</title><default>narrow</default><folder>layouts\\top\\</folder><var>layouts\\top\\</var></"
        "item>\r\n" +
        tail +
        "<$[---LAYOUTS---END---]$>\r\n"
        "<$[---FONTS---]$>\r\n<$[---FONTS---SUB---]$>\r\n0\r\nCaf\xE9 Sans\r\n12\r\npx\r\nbold\r\n\r\nnone\r\n"
        "<$[---FONTS---SUB---END---]$>\r\n<$[---FONTS---END---]$>\r\n"
        "<$[---MENUS---]$>\r\n<$[---MENUS---SUB---]$>\r\nMain\r\npd_menu_01\r\n\tHome|index.html|\r\n"
        "<$[---MENUS---SUB---END---]$>\r\n<$[---MENUS---END---]$>\r\n";
    EXPECT_EQ(Save(), expected);
    EXPECT_TRUE(app.Exists(kPkg + "temp/colors.xml"));
    EXPECT_TRUE(app.Exists(kPkg + "temp/menus.xml"));
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(ProjectTest, RoundTripBringsBackTheSamePreview) {
    WriteSmallPackage(app);
    Open();
    tables().colors[0].value = "#010203";
    tables().fonts[0].size = "14";
    tables().images[0].url = "new.gif";
    tables().layouts[0].choice = "narrow";
    app.Write(kPkg + "menus/main/menu.lyo", "pd_menu_01\r\n\tShop|shop.html|_blank\r\n\t\tSub|s.html|\r\n");
    session.Rebuildtemplate();
    const std::string before = app.Read(kPkg + "index_temp.html");
    Save();

    app.Write(kPkg + "menus/main/menu.lyo", app.Read(kPkg + "menus/main/default.lyo"));
    session.RecalculateTemplate();
    ASSERT_NE(app.Read(kPkg + "index_temp.html"), before);
    ASSERT_TRUE(session.projectFiles().LoadProjectFrom(app.path() / "p.tpp"));
    EXPECT_EQ(app.Read(kPkg + "index_temp.html"), before);
    EXPECT_EQ(app.Read(kPkg + "menus/main/menu.lyo"), "pd_menu_01\r\n\tShop|shop.html|_blank\r\n\t\tSub|s.html|\r\n");
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(ProjectTest, AProjectCarriesThePackagesEncodingAndEveryScript) {
    const std::string family = "\xE3\x83\x92\xE3\x83\xA9\xE3\x82\xAE\xE3\x83\x8E, Caf\xC3\xA9"; // ヒラギノ, Café
    const std::string caption = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1|#|";          // Ελλάδα
    for (const char* charset : {"utf-8", "windows-1252"}) {
        WriteSmallPackage(app);
        app.Write(kPkg + "index.html", std::string("<meta charset=\"") + charset + "\">%%STYLE%%%%menu_main%%\n");
        Open();
        tables().fonts[0].family = family;
        app.Write(kPkg + "menus/main/menu.lyo",
                  EncodeOwnText("pd_menu_01\r\n\t" + caption + "\r\n", session.workspace()->encoding));
        const std::string saved = Save();
        const bool utf8 = std::string(charset) == "utf-8";
        EXPECT_NE(saved.find(utf8 ? family : "&#x30D2;&#x30E9;&#x30AE;&#x30CE;, Caf\xE9"), std::string::npos) << saved;
        EXPECT_NE(saved.find(utf8 ? caption : "&#x395;&#x3BB;&#x3BB;&#x3AC;&#x3B4;&#x3B1;|#|"), std::string::npos);

        tables().fonts[0].family = "Verdana";
        app.Write(kPkg + "menus/main/menu.lyo", "pd_menu_01\r\n");
        ASSERT_TRUE(session.projectFiles().LoadProjectFrom(app.path() / "p.tpp")) << charset;
        EXPECT_EQ(tables().fonts[0].family, family) << charset;
        MenuTree tree;
        ReadMenuTree(tree, app.path() / kPkg / "menus/main/menu.lyo", session.workspace()->encoding);
        EXPECT_EQ(tree.at(0).children.at(0).text, caption) << charset;
    }
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(ProjectTest, TemplateWithoutFontsAndMenusKeepsThemOutAndUntouched) {
    WriteSmallPackage(app);
    fs::remove(app.path() / kPkg / "fonts.xml");
    fs::remove(app.path() / kPkg / "menus.xml");
    Open();
    const std::string saved = Save();
    EXPECT_EQ(saved.find("FONTS"), std::string::npos);
    EXPECT_EQ(saved.find("MENUS"), std::string::npos);
    EXPECT_NE(saved.find("<$[---LAYOUTS---END---]$>\r\n"), std::string::npos);
    const std::string fonts =
        Block("<$[---FONTS---]$>", "<$[---FONTS---SUB---]$>\r\n0\r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\n",
              "<$[---FONTS---END---]$>");
    EXPECT_TRUE(Load(saved + fonts));
    EXPECT_TRUE(tables().fonts.empty());
    EXPECT_EQ(app.Read(kPkg + "menus/main/menu.lyo"), "pd_menu_01\r\n\tHome|index.html|\r\n");
}

TEST_F(ProjectTest, ProjectBelongsToTheLoadedTemplateNotTheCatalogSelection) {
    WriteSmallPackage(app, "a");
    WriteSmallPackage(app, "b");
    app.Write("templates/templates.tps", "a\r\nb\r\n");
    Open(0);
    session.catalogPage().ListView1SelectItem(1, true); // another row, not customized
    EXPECT_EQ(Save().substr(0, 3), "a\r\n");

    const std::string forB = "b" + Save().substr(1);
    tables().colors[0].value = "#000001";
    EXPECT_FALSE(Load(forB));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0], "This project is based on another template. To load this project, please, select the "
                            "required template first\r\nRequired template for this project: b");
    EXPECT_EQ(tables().colors[0].value, "#000001");
    EXPECT_FALSE(Load(""));
    EXPECT_EQ(ui.errors.back().substr(ui.errors.back().size() - 2), ": ");
}

TEST_F(ProjectTest, LastMarkerCountsAndTitlesMatchEveryRow) {
    WriteSmallPackage(app);
    app.Write(kPkg + "colors.xml", TableXml({"<title>Same</title><var>%%c_text%%</var><default>#111111</default>",
                                             "<title>Same</title><var>%%c_head%%</var><default>#222222</default>",
                                             "<title>Other</title><var>%%c_o%%</var><default>#333333</default>"}));
    Open();
    const std::string stale = ColorsXml("<item><title>Same</title><var>%%x%%</var><default>#BAD000</default></item>");
    const std::string fresh =
        ColorsXml("<item><title>Same</title><var>%%c_same%%</var><default>#00FF00</default></item>"
                  "<item><title>Nobody</title><var>%%n%%</var><default>#FFFFFF</default></item>");
    ASSERT_TRUE(Load("pkg\r\n" + Block("<$[---COLORS---]$>", stale, "<$[---COLORS---END---]$>") +
                     Block("<$[---COLORS---]$>", fresh, "<$[---COLORS---END---]$>")));
    EXPECT_EQ(tables().colors[0].value, "#00FF00");
    EXPECT_EQ(tables().colors[1].value, "#00FF00");
    EXPECT_EQ(tables().colors[1].var, "%%c_same%%");
    EXPECT_EQ(tables().colors[2].value, "#333333");
}

TEST_F(ProjectTest, FontsAndMenusMatchByPositionAndExtraBlocksAreIgnored) {
    WriteSmallPackage(app);
    Open();
    const std::string font = "<$[---FONTS---SUB---]$>\r\n7\r\nArial\r\n9\r\npt\r\nnormal\r\nitalic\r\nunderline\r\n"
                             "<$[---FONTS---SUB---END---]$>\r\n";
    const std::string extra =
        "<$[---FONTS---SUB---]$>\r\n1\r\nX\r\nX\r\nX\r\nX\r\nX\r\nX\r\n<$[---FONTS---SUB---END---]$>\r\n";
    const std::string menu =
        "<$[---MENUS---SUB---]$>\r\nIgnored title\r\nroot_class\r\n\tA|a.html|\r\n<$[---MENUS---SUB---END---]$>\r\n";
    const std::string more = "<$[---MENUS---SUB---]$>\r\nMore\r\nx\r\n<$[---MENUS---SUB---END---]$>\r\n";
    ASSERT_TRUE(Load("pkg\r\n" + Block("<$[---FONTS---]$>", font + extra, "<$[---FONTS---END---]$>") +
                     Block("<$[---MENUS---]$>", menu + more, "<$[---MENUS---END---]$>")));
    const FontVariable& f = tables().fonts[0];
    EXPECT_EQ(f.family + f.size + f.measure + f.weight + f.style + f.decoration, "Arial9ptnormalitalicunderline");
    EXPECT_EQ(f.title, "Body");
    EXPECT_EQ(app.Read(kPkg + "menus/main/menu.lyo"), "root_class\r\n\tA|a.html|\r\n");
    EXPECT_NE(app.Read(kPkg + "index_temp.html").find("a.html"), std::string::npos);
}

TEST_F(ProjectTest, UnreadableMenuBlockKeepsItsMenuFile) {
    WriteSmallPackage(app);
    Open();
    const std::string bad =
        "<$[---MENUS---SUB---]$>\r\nMain\r\nroot\r\n\t\t\tToo deep|x|\r\n<$[---MENUS---SUB---END---]$>\r\n";
    const std::string colors =
        ColorsXml("<item><title>Text</title><var>%%c_text%%</var><default>#0A0B0C</default></item>");
    EXPECT_TRUE(Load("pkg\r\n" + Block("<$[---COLORS---]$>", colors, "<$[---COLORS---END---]$>") +
                     Block("<$[---MENUS---]$>", bad, "<$[---MENUS---END---]$>")));
    EXPECT_EQ(ui.errors, std::vector<std::string>{" Error Loading Menu .... "});
    EXPECT_EQ(app.Read(kPkg + "menus/main/menu.lyo"), "pd_menu_01\r\n\tHome|index.html|\r\n");
    EXPECT_EQ(tables().colors[0].value, "#0A0B0C");
}

TEST_F(ProjectTest, DamagedProjectChangesNothing) {
    WriteSmallPackage(app);
    Open();
    const VariableTables before = tables();
    const std::string menuFile = app.Read(kPkg + "menus/main/menu.lyo");
    const std::string colors =
        Block("<$[---COLORS---]$>", ColorsXml("<item><title>Text</title><var>v</var><default>#999999</default></item>"),
              "<$[---COLORS---END---]$>");
    const std::string menus =
        Block("<$[---MENUS---]$>", "<$[---MENUS---SUB---]$>\r\nMain\r\nnew_root\r\n<$[---MENUS---SUB---END---]$>\r\n",
              "<$[---MENUS---END---]$>");
    const std::string badXml = Block("<$[---LAYOUTS---]$>", "<root><list><item>\r\n", "<$[---LAYOUTS---END---]$>");
    const std::string outside =
        Block("<$[---IMAGES---]$>", ColorsXml("<item><image>Logo</image><url>x.gif</url><var>..\\..\\</var></item>"),
              "<$[---IMAGES---END---]$>");
    const std::string truncatedFont =
        Block("<$[---FONTS---]$>", "<$[---FONTS---SUB---]$>\r\n0\r\nArial\r\n", "<$[---FONTS---END---]$>");
    for (const std::string& damage : {badXml, outside, truncatedFont, std::string("<$[---LAYOUTS---]$>\r\n")}) {
        ui.errors.clear();
        EXPECT_FALSE(Load("pkg\r\n" + colors + damage + menus));
        EXPECT_EQ(ui.errors.size(), 1u);
        EXPECT_EQ(tables().colors[0].value, before.colors[0].value);
        EXPECT_EQ(tables().images[0].folder, before.images[0].folder);
        EXPECT_EQ(app.Read(kPkg + "menus/main/menu.lyo"), menuFile);
    }
    EXPECT_NE(ui.errors.back().find("<$[---LAYOUTS---END---]$>"), std::string::npos);
}

TEST_F(ProjectTest, MarkerLinesInsideThePackageXmlAreEscaped) {
    WriteSmallPackage(app);
    app.Write(kPkg + "colors.xml",
              "<?xml version=\"1.0\" "
              "encoding=\"iso-8859-1\"?>\r\n<root>\r\n<!--\r\n<$[---COLORS---END---]$>\r\n-->\r\n<list>\r\n"
              "<item><title>Text</title><var>%%c_text%%</var><default>#1</"
              "default><note><![CDATA[\r\n<$[---MENUS---]$>\r\n]]></note></item>\r\n"
              "</list>\r\n</root>\r\n");
    Open();
    tables().colors[0].var = "%%c_changed%%";
    const std::string saved = Save();
    EXPECT_EQ(saved.find("\r\n<$[---COLORS---END---]$>\r\n"), saved.rfind("\r\n<$[---COLORS---END---]$>\r\n"));
    EXPECT_EQ(saved.find("\r\n<$[---MENUS---]$>\r\n"), saved.rfind("\r\n<$[---MENUS---]$>\r\n"));
    EXPECT_NE(saved.find("&lt;$[---MENUS---]$&gt;"), std::string::npos);
    tables().colors[0].var = "%%x%%";
    ASSERT_TRUE(Load(saved));
    EXPECT_EQ(tables().colors[0].var, "%%c_changed%%");
}

TEST_F(ProjectTest, FailedSaveNamesItsSectionAndKeepsTheOldFile) {
    WriteSmallPackage(app);
    Open();
    app.Write("p.tpp", "old project");
    app.Write(kPkg + "temp", "a file where the scratch folder belongs");
    EXPECT_FALSE(session.projectFiles().SaveProjectTo(app.path() / "p.tpp"));
    EXPECT_EQ(ui.errors, std::vector<std::string>{"Error Saving Colors! Cannot Save Project"});
    EXPECT_EQ(app.Read("p.tpp"), "old project");
    EXPECT_FALSE(Load("pkg\r\n" + Block("<$[---COLORS---]$>", ColorsXml(""), "<$[---COLORS---END---]$>")));
    EXPECT_EQ(ui.errors.back(), "Error saving temp file. Operation aborted.");
}

TEST_F(ProjectTest, DialogsCarryTheirTitlesAndFilters) {
    WriteSmallPackage(app);
    Open();
    ui.savePaths.push_back(app.path() / "d.tpp");
    session.projectFiles().SaveProject();
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].title, "Save All Settings (Project)");
    EXPECT_EQ(ui.saveRequests[0].filters, (std::vector<std::string>{"Tamblor Project (*.tpp)", "All Files (*.*)"}));
    EXPECT_EQ(ui.saveRequests[0].defaultSuffix, "tpp");
    EXPECT_TRUE(app.Exists("d.tpp"));
    tables().colors[0].value = "#FEFEFE";
    session.projectFiles().LoadProject(); // cancelled
    EXPECT_EQ(tables().colors[0].value, "#FEFEFE");
    ui.openPaths.push_back(app.path() / "d.tpp");
    session.projectFiles().LoadProject();
    EXPECT_EQ(ui.openRequests.back().title, "Load Saved Settings (Project)");
    EXPECT_EQ(tables().colors[0].value, "#112233");
}

TEST_F(ProjectTest, AFileThatIsNoProjectIsNamedSoAndChangesNothing) {
    WriteSmallPackage(app);
    Open();
    const std::string before = app.Read(kPkg + "index_temp.html");
    for (const std::string& notAProject :
         {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), std::string("# Notes\r\nabout\r\n")}) {
        EXPECT_FALSE(Load(notAProject));
        ASSERT_FALSE(ui.errors.empty());
        EXPECT_EQ(FirstLines(ui.errors).back(), project::kNotAProject) << ui.errors.back();
    }
    EXPECT_EQ(app.Read(kPkg + "index_temp.html"), before);
}

TEST_F(ProjectTest, ADamageNamesItsSectionAndTheLineOfTheProjectFile) {
    WriteSmallPackage(app);
    Open();
    const auto messageOf = [&](const std::string& project) {
        try {
            ReadProject(project, *session.workspace(), "q.tpp");
        } catch (const Error& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    const std::string colors =
        Block("<$[---COLORS---]$>", ColorsXml("<item><title>Text</title><var>v</var><default>#999999</default></item>"),
              "<$[---COLORS---END---]$>"); // lines 2 to 5
    const std::string badLayouts = Block("<$[---LAYOUTS---]$>",
                                         "<?xml version=\"1.0\"?>\r\n<root>\r\n<list>\r\n"
                                         "<item><title>Top</title></itm>\r\n</list></root>\r\n",
                                         "<$[---LAYOUTS---END---]$>"); // the bad line is 10
    const std::string layouts = messageOf("pkg\r\n" + colors + badLayouts);
    EXPECT_EQ(layouts.rfind("Project file \"q.tpp\", section \"layouts\", line 10: ", 0), 0u) << layouts;
    EXPECT_EQ(layouts.find("temp"), std::string::npos) << layouts;

    EXPECT_EQ(messageOf("pkg\r\n" + colors + "<$[---LAYOUTS---]$>\r\n<root/>\r\n"),
              "Project file \"q.tpp\", section \"layouts\", line 6: the line \"<$[---LAYOUTS---END---]$>\" that "
              "ends it is missing.");
    EXPECT_EQ(messageOf("pkg\r\n" + Block("<$[---FONTS---]$>", "\r\n<$[---FONTS---SUB---]$>\r\n0\r\nArial\r\n",
                                          "<$[---FONTS---END---]$>")),
              "Project file \"q.tpp\", section \"fonts\", line 4: the font block ends before its six values.");
    const std::string noContainer =
        messageOf("pkg\r\n" + Block("<$[---COLORS---]$>", "<root>\r\n</root>\r\n", "<$[---COLORS---END---]$>"));
    EXPECT_EQ(noContainer, "Project file \"q.tpp\", section \"colors\" (lines 3 to 4): the document element has no "
                           "container element.");

    app.Write("named.tpp", "pkg\r\n" + colors + badLayouts);
    try {
        ReadProjectFile(app.path() / "named.tpp", *session.workspace());
        ADD_FAILURE() << "the damage went unnoticed";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Project file \"named.tpp\", section \"layouts\", line 10: ", 0), 0u)
            << error.what();
    }
    EXPECT_EQ(tables().colors[0].value, "#112233");

    EXPECT_FALSE(Load("pkg\r\n" + colors + badLayouts));
    ASSERT_FALSE(ui.errors.empty());
    EXPECT_EQ(ui.errors.back().rfind("Project file \"q.tpp\", section \"layouts\", line 10: ", 0), 0u)
        << ui.errors.back();
}

TEST(SectionFindingText, MapsTheReadersLineOntoTheProjectFile) {
    const std::string error = "Error reading \"/pkg/temp/colors.xml\": line 3: end tag does not match.";
    EXPECT_EQ(SectionFindingText("x.tpp", "colors", 12, 5, error),
              "Project file \"x.tpp\", section \"colors\", line 14: end tag does not match.");
    EXPECT_EQ(SectionFindingText("x.tpp", "colors", 12, 2, error),
              "Project file \"x.tpp\", section \"colors\", line 13: end tag does not match.")
        << "a line past the section's end is its last line";
    EXPECT_EQ(SectionFindingText("", "images", 7, 0, "Error reading \"/t/images.xml\": no document element."),
              "The project file, section \"images\" (lines 7 to 7): no document element.");
    EXPECT_EQ(SectionFindingText("x.tpp", "colors", 2, 3, "Error reading \"a\": line x: odd"),
              "Project file \"x.tpp\", section \"colors\" (lines 2 to 4): line x: odd");
}
