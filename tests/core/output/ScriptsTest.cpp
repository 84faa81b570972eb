#include "menus/MenuTreeText.h"
#include "output/Generation.h"
#include "preview/LivePreview.h"
#include "preview/Rebuild.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "util/TextFile.h"
#include "workspace/WorkspaceLoader.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// "Ελλάδα Łódź Фото 日本": Greek, Polish, Cyrillic and Japanese.
const std::string kWords = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1 \xC5\x81\xC3\xB3"
                           "d\xC5\xBA "
                           "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE \xE6\x97\xA5\xE6\x9C\xAC";
const std::string kReferences = "&#x395;&#x3BB;&#x3BB;&#x3AC;&#x3B4;&#x3B1; &#x141;\xF3"
                                "d&#x17A; "
                                "&#x424;&#x43E;&#x442;&#x43E; &#x65E5;&#x672C;";
const std::string kCssEscapes = "\\395 \\3BB \\3BB \\3AC \\3B4 \\3B1  \\141 \xF3"
                                "d\\17A  "
                                "\\424 \\43E \\442 \\43E  \\65E5 \\672C ";
const std::string kPicture = "\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE.gif"; // фото.gif

// The small package with a page that declares `charset`, and a caption, a font family and
// a picture name in four scripts.
struct ScriptsTest : ::testing::TestWithParam<const char*> {
    void SetUp() override {
        WriteSmallPackage(app);
        app.Write("templates/pkg/index.html", std::string("<html><head><meta charset=\"") + GetParam() +
                                                  "\">\n%%STYLE%%\n</head>\n<body class=\"%%MENUCLASS%%\">\n"
                                                  "<img src=\"%%img_logo%%\">\n%%menu_main%%\n</body></html>\n");
        app.Write("templates/pkg/images/" + kPicture, "GIF89a");
        Notices notices;
        LoadPackage(ws, app.path() / "templates/pkg", notices);
        WriteMenuTree({{"pd_menu_01", {{kWords + "|kontakt.html|", {}}}}}, ws.PackageFile("menus/main/menu.lyo"),
                      ws.encoding);
        ws.tables.fonts[0].family = "\"" + kWords + "\", serif";
        ws.tables.images[0].url = kPicture;
    }
    bool Utf8() const { return ws.encoding == TextEncoding::Utf8; }
    std::string Package(const std::string& relative) const { return app.Read("templates/pkg/" + relative); }

    TestFolder app;
    TemplateWorkspace ws;
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST_P(ScriptsTest, TheUsersWordsReachMenuPreviewAndSiteAsTheSameCharacters) {
    EXPECT_EQ(ws.encoding, std::string(GetParam()) == "utf-8" ? TextEncoding::Utf8 : TextEncoding::Cp1252);
    EXPECT_EQ(Package("menus/main/menu.lyo"),
              "pd_menu_01\r\n\t" + (Utf8() ? kWords : kReferences) + "|kontakt.html|\r\n");
    // Inside the program the words are the same whatever the package's encoding.
    MenuTree back;
    ReadMenuTree(back, ws.PackageFile("menus/main/menu.lyo"), ws.encoding);
    EXPECT_EQ(back.at(0).children.at(0).text, kWords + "|kontakt.html|");

    FakeBrowsers browsers;
    LivePreview(browsers).Write(ws);
    const std::string preview = Package("index_temp.html");
    EXPECT_TRUE(Contains(preview, ">" + (Utf8() ? kWords : kReferences) + "</a>")) << preview;
    EXPECT_TRUE(Contains(preview, "font-family:\"" + (Utf8() ? kWords : kCssEscapes) + "\", serif")) << preview;
    EXPECT_TRUE(
        Contains(preview, "<img src=\"images/" + (Utf8() ? kPicture : "&#x444;&#x43E;&#x442;&#x43E;.gif") + "\">"))
        << preview;

    TemplateOptions options;
    GenerationResult result;
    SiteGenerator().Generate(ws, options, result);
    const std::string site = Package("template/index.html");
    EXPECT_EQ(site, EncodeText(result.htmlCode, ws.encoding, Escapes::Markup));
    EXPECT_TRUE(Contains(site, ">" + (Utf8() ? kWords : kReferences) + "</a>"));
    EXPECT_TRUE(Contains(Package("template/css/main.css"), "font-family:\"" + (Utf8() ? kWords : kCssEscapes)));
    EXPECT_EQ(Package("template/images/" + kPicture), "GIF89a");
    EXPECT_TRUE(result.notCopied.empty());
}

INSTANTIATE_TEST_SUITE_P(Encodings, ScriptsTest, ::testing::Values("utf-8", "iso-8859-1"));
