#include "app/Session.h"
#include "output/Generation.h"
#include "output/LinkCheck.h"
#include "output/PageReferences.h"
#include "output/SiteReference.h"
#include "ports/PageProbe.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "workspace/WorkspaceLoader.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

using Names = std::vector<std::string>;

// The small package with a page, stylesheets and a menu full of link mistakes.
void WriteFaultyPackage(const TestFolder& app) {
    WriteSmallPackage(app);
    const std::string p = "templates/pkg/";
    app.Write(
        p + "index.html",
        "<html><head>\n%%STYLE%%\n<link rel=\"stylesheet\" href=\"css/missing.css\">\n"
        "<style>p { background: url( 'images/paper.png' ) }</style>\n"
        "<!-- <img src=\"commented.gif\"> -->\n<script>var s = '<img src=\"scripted.gif\">';</script>\n"
        "</head>\n<body class=\"%%MENUCLASS%%\" background=\"images/logo.gif\">\n%%menu_main%%\n"
        "<img src=\"%%img_logo%%\"><img SRC=images/gone.gif><img src=\"Images/LOGO.gif\">\n"
        "<img src=\"images/my%20logo.gif?v=2#top\"><img src=\"images/logo.gif\">\n"
        "<a href=\"#top\">top</a><a href=\"\">self</a><a href=\"http://example.com/x.gif\">x</a>\n"
        "<a href=\"mailto:a@b.c\">m</a><a href=\"//cdn.example.com/a.js\">c</a><a href=\"javascript:void(0)\">j</a>\n"
        "<img src=\"data:image/gif;base64,R0lG\"><a href=\"../outside.html\">o</a><a "
        "href=\"file:///etc/passwd\">f</a>\n"
        "<a href=\"css/../images/%2E%2E/%2E%2E/x.html\">e</a><a href=\"a.html?x=1&amp;y=2\">q</a>\n"
        "</body></html>\n");
    app.Write(p + "css/main.css", "@import \"more.css\";\nbody { color: %%c_text%%; %%f_body%% }\n"
                                  "/* url(old.png) */ h1 { background: URL(../images/logo.gif) }\n");
    app.Write(p + "css/more.css", "div { background: url(\"bg/tile.png\") }\n");
    app.Write(p + "images/my logo.gif", "GIF89a");
    app.Write(p + "static_files.tps", "css/more.css\r\nimages/my logo.gif\r\n");
    app.Write(p + "menus/main/menu.lyo",
              "pd_menu_01\r\n\tHome|index.html|\r\n\tAbout|about.html|\r\n\tBoat Hire|#|\r\n\t\tNowhere||_blank\r\n"
              "\t\tTop|#top|\r\n\tAgain|a.html|\r\n\tLater|#|\r\n");
}

struct LinkCheckTest : ::testing::Test {
    void SetUp() override {
        WriteFaultyPackage(app);
        LoadPackage(ws, app.path() / "templates/pkg", notices);
        generator.Generate(ws, {}, result);
    }
    std::vector<SiteFinding> Check() { return CheckLinks(OutputFolder(ws), ws); }

    TestFolder app;
    Notices notices;
    TemplateWorkspace ws;
    GenerationResult result;
    SiteGenerator generator;
};

const SiteFinding* Find(const std::vector<SiteFinding>& findings, const std::string& subject) {
    for (const auto& finding : findings)
        if (finding.subject == subject)
            return &finding;
    return nullptr;
}
// A finding of a temporary list would be gone before it is read.
const SiteFinding* Find(std::vector<SiteFinding>&&, const std::string&) = delete;

} // namespace

TEST_F(LinkCheckTest, FindsEveryBrokenAddressOnceAndLeavesTheRestAlone) {
    const auto findings = Check();
    Names subjects;
    for (const auto& finding : findings)
        subjects.push_back(finding.subject);
    // Menu items first, in tree order; then the page, then its stylesheets as they are met.
    // "Boat Hire" opens its sub-items with "#", as drop-down menus do: no finding.
    EXPECT_EQ(subjects, (Names{"about.html", "Nowhere", "a.html", "Later", "css/missing.css", "images/paper.png",
                               "images/gone.gif", "Images/LOGO.gif", "../outside.html", "file:///etc/passwd",
                               "css/../images/%2E%2E/%2E%2E/x.html", "bg/tile.png"}));

    const SiteFinding* about = Find(findings, "about.html");
    EXPECT_EQ(about->kind, FindingKind::MissingFile);
    EXPECT_EQ(about->location, "Main");
    EXPECT_EQ(about->change, "Menu item \"About\"");
    const SiteFinding* later = Find(findings, "Later");
    EXPECT_EQ(later->kind, FindingKind::MenuItemWithoutLink);
    EXPECT_EQ(later->explanation, "The menu item has no link target (\"#\").");
    EXPECT_EQ(Find(findings, "Nowhere")->explanation, "The menu item has no link target.");

    const SiteFinding* sheet = Find(findings, "css/missing.css");
    EXPECT_EQ(sheet->location, "index.html");
    EXPECT_EQ(sheet->explanation, "The file \"css/missing.css\" is missing from the site folder.");
    const SiteFinding* letterCase = Find(findings, "Images/LOGO.gif");
    EXPECT_EQ(letterCase->kind, FindingKind::LetterCase);
    EXPECT_EQ(letterCase->change, "Image \"Logo\"");
    EXPECT_NE(letterCase->explanation.find("\"images/logo.gif\""), std::string::npos);
    EXPECT_EQ(Find(findings, "../outside.html")->kind, FindingKind::LeavesSite);
    EXPECT_EQ(Find(findings, "css/../images/%2E%2E/%2E%2E/x.html")->kind, FindingKind::LeavesSite);
    // Found through the @import of the linked stylesheet, relative to its own folder.
    const SiteFinding* tile = Find(findings, "bg/tile.png");
    EXPECT_EQ(tile->location, "css/more.css");
    EXPECT_EQ(tile->explanation, "The file \"css/bg/tile.png\" is missing from the site folder.");
}

TEST_F(LinkCheckTest, AnEscapedSlashNamesNoFileEvenWhereTheFolderPathExists) {
    app.Write("templates/pkg/index.html", "<img src=\"images%2Flogo.gif\"><img src=\"css%2F..%2F..%2Fout.gif\">");
    generator.Generate(ws, {}, result);
    const auto findings = Check();
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].subject, "images%2Flogo.gif");
    EXPECT_EQ(findings[0].kind, FindingKind::MissingFile);
    EXPECT_EQ(findings[1].kind, FindingKind::MissingFile);
}

TEST_F(LinkCheckTest, AMenuTheLayoutDoesNotShowIsNotChecked) {
    app.Write("templates/pkg/index.html", "<html><body><p>no menu</p></body></html>\n");
    generator.Generate(ws, {}, result);
    EXPECT_TRUE(Check().empty());
}

TEST_F(LinkCheckTest, TheImageVariableOfAMissingPictureIsNamed) {
    fs::remove(OutputFolder(ws) / "images/logo.gif");
    const auto findings = Check();
    const SiteFinding* logo = Find(findings, "images/logo.gif");
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->change, "Image \"Logo\"");
}

TEST(SiteReference, ResolvesAsABrowserDoes) {
    const Names css{"css"};
    auto local = [&](const std::string& written) {
        const SiteReference target = ResolveSiteReference(written, css);
        EXPECT_EQ(target.kind, ReferenceKind::Local) << written;
        return target.parts;
    };
    EXPECT_EQ(local("../images/a.gif"), (Names{"images", "a.gif"}));
    EXPECT_EQ(local("/images/a.gif"), (Names{"images", "a.gif"}));
    EXPECT_EQ(local("..\\images\\a.gif"), (Names{"images", "a.gif"}));
    EXPECT_EQ(local(" ./a%20b.gif?x#y "), (Names{"css", "a b.gif"}));
    EXPECT_EQ(local("caf%C3%A9.gif"), (Names{"css", "caf\xC3\xA9.gif"}));
    EXPECT_EQ(local("a%2Fb.gif"), (Names{"css", "a/b.gif"})); // an escaped "/" is part of the name
    EXPECT_EQ(local("bad%zz.gif"), (Names{"css", "bad%zz.gif"}));
    for (const char* written : {"", "  ", "#", "#top", "?q"})
        EXPECT_EQ(ResolveSiteReference(written, css).kind, ReferenceKind::SamePage) << written;
    for (const char* written : {"https://a.b/c", "HTTP://a", "mailto:x@y", "javascript:go()", "data:,x", "//host/a",
                                "\\\\server\\share", "tel:123"})
        EXPECT_EQ(ResolveSiteReference(written, css).kind, ReferenceKind::External) << written;
    for (const char* written :
         {"../../a.gif", "%2e%2e/%2e%2e/a.gif", "C:\\site\\a.gif", "c:/a.gif", "FILE:///a.gif", "/../a.gif"})
        EXPECT_EQ(ResolveSiteReference(written, css).kind, ReferenceKind::Outside) << written;
}

TEST(PageReferences, ReadsAttributesInAnyFormAndSkipsCommentsAndScripts) {
    EXPECT_EQ(HtmlReferences("<A HREF='x.html'><img\nsrc = y.gif alt=\"a > b\" /><td background=\"t.gif\">"
                             "<p style=\"background:url(s.gif)\">a &lt; b</p><a href=\"q?a=1&amp;b=2\">"),
              (Names{"x.html", "y.gif", "t.gif", "s.gif", "q?a=1&b=2"}));
    EXPECT_EQ(HtmlReferences("<!-- <img src=\"c.gif\"> --><script src=\"s.js\">document.write('<img src=\"w.gif\">')"
                             "</SCRIPT><style>@import url(i.css); /* url(no.gif) */</style><img src=\"last.gif\""),
              (Names{"s.js", "i.css", "last.gif"}));
    EXPECT_EQ(HtmlReferences("<!DOCTYPE html><? x ?>< p <a href=\"unterminated"), (Names{"unterminated"}));
    EXPECT_EQ(CssReferences("@import 'a.css';@IMPORT url(\"b.css\") screen;x{background:url( c.gif )}/* unterminated"),
              (Names{"a.css", "b.css", "c.gif"}));
}
