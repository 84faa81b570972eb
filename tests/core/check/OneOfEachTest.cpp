#include "check/PackageCheck.h"
#include "support/PackageBuilder.h"
#include "util/TextFile.h"

#include <gtest/gtest.h>
#include <map>

namespace quorlex {
namespace {

using test::TableXml;

// The small package with one mistake of every kind.
void WriteFaultyPackage(const test::TestFolder& app) {
    test::WriteSmallPackage(app);
    const std::string p = "templates/pkg/";
    app.Write(p + "index.html", "<html><head><meta charset=\"windows-1252\">\n</head>\n"
                                "<body class=\"%%MENUCLASS%%\">\n%%layout_top%%\n<img src=\"%%img_logo%%\">\n"
                                "%%menu_main%% %%c_txet%% Kłos\n</body></html>\n");
    app.Write(p + "colors.xml", TableXml({"<title>Text</title><var>%%c_text%%</var><Default>#112233</Default>",
                                          "<title>Head</title><var>%%c_head%%</var><default>#445566</default>",
                                          "<title>Gone</title><var>%%c_gone%%</var><colour>#445566</colour>"}));
    app.Write(p + "images.xml", TableXml({"<image>Logo</image><url>LOGO.gif</url><folder>images/</folder>"
                                          "<var>%%img_logo%%</var>"}));
    app.Write(p + "css/main.css",
              "body { color: %%c_text%%; %%f_body%% }\nh1 { color: %%C_HEAD%%; }\n"
              "div { background: url(../pics/wave.png); }\np { background: url(/images/logo.gif); }\n");
    app.Write(p + "pics/wave.png", "png");
    app.Write(p + "static_files.tps", "robots.txt\r\n../up.txt\r\n");
    app.Write(p + "presets/colors/Bad.xml",
              "<?xml version=\"1.0\"?>\n<root><list><item><title>Top</title></list></root>\n");
    app.Write(p + "menus/main/default.lyo", "pd_menu_01\r\n\t\tDeep|#|\r\n");
    app.Write(p + "template/mine.txt", "mine");
}

std::map<std::string, std::string> KindsAndPlaces(const CheckFindings& findings) {
    std::map<std::string, std::string> places;
    for (const CheckFinding& finding : findings) {
        EXPECT_FALSE(finding.text.empty());
        EXPECT_FALSE(finding.fix.empty());
        EXPECT_TRUE(places.emplace(finding.kind, finding.file + ":" + std::to_string(finding.line)).second)
            << "named twice: " << FindingLine(finding);
    }
    return places;
}

TEST(OneMistakeOfEachKindTest, EachIsNamedOnceWithFileAndLine) {
    const test::TestFolder app;
    WriteFaultyPackage(app);
    const std::map<std::string, std::string> expected{
        {check_kind::kFieldCase, "colors.xml:4"},
        {check_kind::kUnknownField, "colors.xml:6"},
        {check_kind::kUnusedPlaceholder, "colors.xml:6"},
        {check_kind::kUndeclaredPlaceholder, "index.html:6"},
        {check_kind::kStylePlaceholderMissing, "style_files.xml:4"},
        {check_kind::kFileCase, "images.xml:4"},
        {check_kind::kMissingFile, "static_files.tps:1"},
        {check_kind::kOutsidePackage, "static_files.tps:2"},
        {check_kind::kPreviewOnlyUrl, "css/main.css:3"},
        {check_kind::kExportOnlyUrl, "css/main.css:4"},
        {check_kind::kEncoding, "index.html:1"},
        {check_kind::kReservedName, "template:0"},
        {check_kind::kXmlParse, "presets/colors/Bad.xml:2"},
        {check_kind::kMenuTree, "menus/main/default.lyo:2"},
    };
    EXPECT_EQ(KindsAndPlaces(CheckPackage(app.path() / "templates/pkg")), expected);
}

// Every file's bytes and every name under `folder`.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).generic_string();
        files[name] = entry.is_regular_file() ? ReadFileBytes(entry.path()) : "<folder>";
    }
    return files;
}

TEST(OneMistakeOfEachKindTest, TheCheckChangesNothingInThePackage) {
    const test::TestFolder app;
    WriteFaultyPackage(app);
    app.Write("templates/pkg/index_temp.html", "preview");
    const fs::path package = app.path() / "templates/pkg";
    const auto before = Snapshot(package);
    CheckPackage(package);
    EXPECT_EQ(Snapshot(package), before);
}

} // namespace
} // namespace quorlex
