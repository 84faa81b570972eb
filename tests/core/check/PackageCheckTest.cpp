#include "check/PackageCheck.h"

#include "support/PackageBuilder.h"
#include "util/Error.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace quorlex {
namespace {

using test::TableXml;

class PackageCheckTest : public ::testing::Test {
protected:
    void SetUp() override { test::WriteSmallPackage(m_app); }

    fs::path Package() const { return m_app.path() / "templates/pkg"; }
    void Write(const std::string& relative, const std::string& bytes) const {
        m_app.Write("templates/pkg/" + relative, bytes);
    }
    void Remove(const std::string& relative) const { fs::remove_all(Package() / relative); }

    // The findings of one kind, as "file:line".
    std::vector<std::string> Places(const std::string& kind) const {
        std::vector<std::string> places;
        for (const CheckFinding& finding : CheckPackage(Package()))
            if (finding.kind == kind)
                places.push_back(finding.file + ":" + std::to_string(finding.line));
        return places;
    }

    test::TestFolder m_app;
};

std::string Describe(const CheckFindings& findings) {
    std::string text;
    for (const CheckFinding& finding : findings)
        text += FindingLine(finding) + "\n";
    return text;
}

TEST_F(PackageCheckTest, ASmallCompletePackageIsClean) {
    const CheckFindings findings = CheckPackage(Package());
    EXPECT_TRUE(findings.empty()) << Describe(findings);
}

TEST(ShippedSamplesTest, HaveNoFindings) {
    for (const char* sample : {"harbor", "pebble", "lakowa"}) {
        const CheckFindings findings = CheckPackage(fs::path(QUORLEX_SAMPLE_TEMPLATES) / sample);
        EXPECT_TRUE(findings.empty()) << sample << ":\n" << Describe(findings);
    }
}

TEST_F(PackageCheckTest, ATablePlaceholderThatStandsNowhereIsNamedAtItsVarLine) {
    Write("colors.xml", TableXml({"<title>Text</title><var>%%c_text%%</var><default>#112233</default>",
                                  "<title>Head</title><var>%%c_head%%</var><default>#445566</default>",
                                  "<title>Link</title><var>%%c_lnik%%</var><default>#0000FF</default>"}));
    EXPECT_EQ(Places(check_kind::kUnusedPlaceholder), std::vector<std::string>{"colors.xml:6"});
}

TEST_F(PackageCheckTest, APlaceholderUsedOnlyInAnotherLayoutOptionOrAMenuCounts) {
    Write("colors.xml", TableXml({"<title>Text</title><var>%%c_text%%</var><default>#1</default>",
                                  "<title>Head</title><var>%%c_head%%</var><default>#4</default>",
                                  "<title>Narrow</title><var>%%c_narrow%%</var><default>#5</default>",
                                  "<title>Menu</title><var>%%c_menu%%</var><default>#6</default>"}));
    Write("layouts/top/narrow.lyo", "<div style=\"color:%%C_NARROW%%\">narrow</div>\n");
    Write("menus/main/menu.lyo", "pd_menu_01\r\n\tHome|index.html#%%c_menu%%|\r\n");
    EXPECT_TRUE(Places(check_kind::kUnusedPlaceholder).empty());
}

TEST_F(PackageCheckTest, PlaceholderLikeTextNoTableDeclaresIsNamedOncePerFile) {
    Write("index.html", "<html><head>\n%%STYLE%%\n</head>\n<body class=\"%%MENUCLASS%%\">\n%%layout_top%%\n"
                        "<img src=\"%%img_logo%%\">\n%%menu_main%% %%img_lgoo%%\n%%IMG_LGOO%%</body></html>\n");
    Write("css/main.css", "body { color: %%c_text%%; %%f_body%% }\nh1 { color: %%C_HEAD%%; width: 50%; }\n"
                          "p { margin: 10%%; }\n");
    EXPECT_EQ(Places(check_kind::kUndeclaredPlaceholder), std::vector<std::string>{"index.html:7"});
}

TEST_F(PackageCheckTest, PlaceholderDelimitersAreLearnedFromTheDeclaredOnes) {
    Write("colors.xml", TableXml({"<title>Text</title><var>{{c_text}}</var><default>#1</default>",
                                  "<title>Head</title><var>%%c_head%%</var><default>#4</default>"}));
    Write("css/main.css", "body { color: {{c_text}}; %%f_body%% }\nh1 { color: %%C_HEAD%%; }\n{{c_txet}}\n");
    EXPECT_EQ(Places(check_kind::kUndeclaredPlaceholder), std::vector<std::string>{"css/main.css:3"});
}

TEST_F(PackageCheckTest, AStylesheetWhosePlaceholderThePageLacksIsNamed) {
    Write("index.html", "<html><head>\n</head>\n<body class=\"%%MENUCLASS%%\">\n%%layout_top%%\n"
                        "<img src=\"%%img_logo%%\">\n%%menu_main%%\n</body></html>\n");
    EXPECT_EQ(Places(check_kind::kStylePlaceholderMissing), std::vector<std::string>{"style_files.xml:4"});
}

TEST_F(PackageCheckTest, FieldsInOtherLetterCaseAndUnknownFieldsAreNamedOncePerFile) {
    Write("colors.xml", TableXml({"<title>Text</title><Var>%%c_text%%</Var><default>#112233</default>",
                                  "<title>Head</title><Var>%%c_head%%</Var><colour>#445566</colour>"}));
    EXPECT_EQ(Places(check_kind::kFieldCase), std::vector<std::string>{"colors.xml:4"});
    EXPECT_EQ(Places(check_kind::kUnknownField), std::vector<std::string>{"colors.xml:5"});
    Write("menus.xml", TableXml({"<title>Main</title><default>x</default><folder>menus\\main\\</folder>"
                                 "<var>%%menu_main%%</var><menuclass>%%menuclass%%</menuclass>"}));
    EXPECT_EQ(Places(check_kind::kFieldCase), (std::vector<std::string>{"colors.xml:4", "menus.xml:4"}));
}

TEST_F(PackageCheckTest, NamedFilesThatAreMissingOrDifferInLetterCase) {
    Write("images.xml", TableXml({"<image>Logo</image><url>Logo.GIF</url><folder>images/</folder>"
                                  "<var>%%img_logo%%</var>"}));
    Write("layouts.xml", TableXml({"<title>Top</title><default>tall</default><folder>layouts\\top\\</folder>"
                                   "<var>%%layout_top%%</var>"}));
    Write("static_files.tps", "images/logo.gif\r\n\r\nrobots.txt\r\n");
    EXPECT_EQ(Places(check_kind::kFileCase), std::vector<std::string>{"images.xml:4"});
    EXPECT_EQ(Places(check_kind::kMissingFile), (std::vector<std::string>{"layouts.xml:4", "static_files.tps:3"}));
}

TEST_F(PackageCheckTest, AMissingStylesheetAndMenuTreeAreNamed) {
    Remove("css/main.css");
    Remove("menus/main/menu.lyo");
    EXPECT_EQ(Places(check_kind::kMissingFile), (std::vector<std::string>{"menus.xml:4", "style_files.xml:4"}));
}

TEST_F(PackageCheckTest, PathsLeadingOutsideThePackageAreNamed) {
    Write("static_files.tps", "../secret.txt\r\n");
    EXPECT_EQ(Places(check_kind::kOutsidePackage), std::vector<std::string>{"static_files.tps:1"});
}

TEST_F(PackageCheckTest, AStylesheetAddressThePreviewShowsButTheFinishedSiteLacks) {
    Write("pics/wave.png", "png");
    Write("css/main.css", "body { color: %%c_text%%; %%f_body%% }\nh1 { color: %%C_HEAD%%; }\n"
                          "div { background: url(\"../pics/wave.png\"); }\n");
    EXPECT_EQ(Places(check_kind::kPreviewOnlyUrl), std::vector<std::string>{"css/main.css:3"});
    Write("static_files.tps", "pics\r\n");
    EXPECT_TRUE(Places(check_kind::kPreviewOnlyUrl).empty());
}

TEST_F(PackageCheckTest, ARootAddressWorksOnlyInTheFinishedSite) {
    Write("css/main.css", "body { color: %%c_text%%; %%f_body%% }\nh1 { color: %%C_HEAD%%; }\n"
                          "div { background: url(/images/logo.gif); }\n");
    EXPECT_EQ(Places(check_kind::kExportOnlyUrl), std::vector<std::string>{"css/main.css:3"});
}

TEST_F(PackageCheckTest, ImageAddressesThroughPlaceholdersAndImportsAreFollowed) {
    Write("css/main.css", "@import url(parts.css);\nbody { color: %%c_text%%; %%f_body%% }\n"
                          "h1 { color: %%C_HEAD%%; background: url(\"../%%img_logo%%\"); }\n");
    Write("css/parts.css", "p { background: url(../images/gone.png); }\n");
    Write("static_files.tps", "css/parts.css\r\n");
    EXPECT_TRUE(Places(check_kind::kPreviewOnlyUrl).empty());
    EXPECT_EQ(Places(check_kind::kMissingFile), std::vector<std::string>{"css/parts.css:1"});
}

TEST_F(PackageCheckTest, ADeclaredEncodingThatTheBytesContradict) {
    Write("index.html", "<html><head><meta charset=\"utf-8\">\n%%STYLE%%\n</head>\n<body class=\"%%MENUCLASS%%\">"
                        "\n%%layout_top%%\n<img src=\"%%img_logo%%\">\n%%menu_main%% caf\xE9\n</body></html>\n");
    Write("fonts.xml", "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<root><list><item><title>K\xC5\x82os"
                       "</title><var>%%f_body%%</var></item></list></root>\r\n");
    EXPECT_EQ(Places(check_kind::kEncoding), (std::vector<std::string>{"fonts.xml:1", "index.html:1"}));
}

TEST_F(PackageCheckTest, AnEncodingNameTheProgramCannotReadIsNamed) {
    Write("css/main.css",
          "@charset \"shift_jis\";\nbody { color: %%c_text%%; %%f_body%% }\nh1 { color: %%C_HEAD%%; }\n");
    EXPECT_EQ(Places(check_kind::kEncoding), std::vector<std::string>{"css/main.css:1"});
}

TEST_F(PackageCheckTest, AnAuthorsOwnTemplateFolderIsNamedUntilTheProgramGenerated) {
    Write("template/notes.txt", "mine");
    EXPECT_EQ(Places(check_kind::kReservedName), std::vector<std::string>{"template:0"});
    Write(".quorlex-lock", "");
    EXPECT_TRUE(Places(check_kind::kReservedName).empty());
}

TEST_F(PackageCheckTest, ReservedNamesInTheScratchFolderAndInNamedPaths) {
    Write("temp/colors.xml", "<x/>");
    EXPECT_TRUE(Places(check_kind::kReservedName).empty());
    Write("temp/draft.html", "mine");
    Write("static_files.tps", "index_temp.html\r\n");
    Write("index_temp.html", "x");
    EXPECT_EQ(Places(check_kind::kReservedName), (std::vector<std::string>{"static_files.tps:1", "temp:0"}));
}

TEST_F(PackageCheckTest, XmlThatDoesNotParseIsNamedWithItsLine) {
    Write("colors.xml", "<?xml version=\"1.0\"?>\r\n<root>\r\n<list>\r\n<item><title>Text</title><var>x</item>\r\n"
                        "</list>\r\n</root>\r\n");
    Write("layouts.xml", "<?xml version=\"1.0\"?>\n<root><list><item><title>A & B</title></item></list></root>\n");
    EXPECT_EQ(Places(check_kind::kXmlParse), (std::vector<std::string>{"colors.xml:4", "layouts.xml:2"}));
}

TEST_F(PackageCheckTest, AMenuTreeThatJumpsALevelIsNamedWithItsLine) {
    Write("menus/main/default.lyo", "pd_menu_01\r\n\tHome|index.html|\r\n\t\t\tDeep|#|\r\n");
    EXPECT_EQ(Places(check_kind::kMenuTree), std::vector<std::string>{"menus/main/default.lyo:3"});
}

TEST(PackageCheckFailureTest, AFolderWithoutItsPageCannotBeChecked) {
    const test::TestFolder folder;
    EXPECT_THROW(CheckPackage(folder.path()), Error);
    EXPECT_THROW(CheckPackage(folder.path() / "none"), Error);
}

TEST_F(PackageCheckTest, AnInstalledTemplateIsFoundByItsCatalogFolderAndTheSummaryCounts) {
    Write("colors.xml", TableXml({"<title>Text</title><var>%%c_text%%</var><default>#1</default>",
                                  "<title>Head</title><var>%%c_head%%</var><default>#4</default>",
                                  "<title>Gone</title><var>%%c_gone%%</var><default>#5</default>"}));
    const CheckFindings findings = CheckInstalledTemplate(m_app.path() / "templates", "PKG");
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(CheckSummary(findings), "1 finding.");
    EXPECT_EQ(FindingLine(findings[0]).rfind("colors.xml:6: The placeholder \"%%c_gone%%\"", 0), 0u);
    EXPECT_EQ(CheckSummary({}), "No findings.");
    EXPECT_EQ(CheckSummary({findings[0], findings[0]}), "2 findings.");
}

} // namespace
} // namespace quorlex
