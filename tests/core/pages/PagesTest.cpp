#include "app/Session.h"
#include "pages/Markdown.h"
#include "pages/PageNames.h"
#include "pages/PageRegions.h"
#include "pages/SiteFile.h"
#include "project/ProjectLoad.h"
#include "project/ProjectSave.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "util/Error.h"
#include "util/TextFile.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

const std::string kPage = "<html><head><!--BEGIN_EDITABLE_TITLE--><title>Quay</title><!--END_EDITABLE_TITLE-->"
                          "</head><body><a href=\"index.html\">Home</a> <a href=\"about.html\" >About</a>"
                          "<!--BEGIN_EDITABLE--><p>welcome</p><!--END_EDITABLE--><aside>"
                          "<!--BEGIN_EDITABLE--><p>hours</p><!--END_EDITABLE--></aside></body></html>";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

SitePages TwoPages() {
    SitePages site;
    site.pages.push_back({"index.html", std::nullopt, {{false, ""}, {false, ""}}});
    site.pages.push_back({"about.html", std::string("About us"), {{true, "# About\n\nWe *sail*."}, {false, ""}}});
    return site;
}

} // namespace

TEST(Markdown, RendersTablesLinksStrikethroughAndKeepsRawHtml) {
    const std::string html = RenderMarkdown(
        "| a | b |\n|---|---|\n| 1 | 2 |\n\nSee https://example.com and ~~old~~.\n\n<div class=\"x\">raw</div>\n");
    EXPECT_TRUE(Contains(html, "<table>")) << html;
    EXPECT_TRUE(Contains(html, "<td>1</td>"));
    EXPECT_TRUE(Contains(html, "<a href=\"https://example.com\">https://example.com</a>"));
    EXPECT_TRUE(Contains(html, "<del>old</del>"));
    EXPECT_TRUE(Contains(html, "<div class=\"x\">raw</div>"));
    EXPECT_EQ(RenderMarkdown("Łódź *日本*"), "<p>Łódź <em>日本</em></p>\n");
}

TEST(PageRegions, APageTakesItsOwnRegionsElseTheHomePagesElseTheTemplates) {
    const PageRegionSpans spans = FindRegions(kPage);
    ASSERT_EQ(spans.regions.size(), 2u);
    EXPECT_EQ(kPage.substr(spans.regions[1].begin, spans.regions[1].end - spans.regions[1].begin), "<p>hours</p>");
    EXPECT_EQ(TemplateTitle(kPage), "Quay");

    SitePages site = TwoPages();
    site.pages[0].regions[1] = {true, "Open **daily**"};
    const std::string about = ComposePage(kPage, site, 1);
    EXPECT_TRUE(Contains(about, "<title>About us</title>"));
    EXPECT_TRUE(Contains(about, "<h1>About</h1>\n<p>We <em>sail</em>.</p>"));
    EXPECT_FALSE(Contains(about, "welcome"));
    EXPECT_TRUE(Contains(about, "<strong>daily</strong>")) << "as on the home page";
    EXPECT_TRUE(Contains(about, "<a aria-current=\"page\" class=\"current-page\" href=\"about.html\" >About</a>"));
    EXPECT_TRUE(Contains(about, "<a href=\"index.html\">Home</a>")) << "only the page's own link is current";

    const std::string home = ComposePage(kPage, site, 0);
    EXPECT_TRUE(Contains(home, "<title>Quay</title>"));
    EXPECT_TRUE(Contains(home, "welcome"));
    EXPECT_TRUE(Contains(home, "<a aria-current=\"page\" class=\"current-page\" href=\"index.html\">Home</a>"));

    std::string framework = "<a class=\"nav-link\" href=\"about.html\">A</a> <a href=\"about.html\" aria-current=\"page\">B</a>"
                            " <img src=\"x\" href=\"about.html\"> <a href=\"about.html#team\">C</a>";
    MarkCurrentLinks(framework, "about.html");
    EXPECT_EQ(framework, "<a aria-current=\"page\" class=\"nav-link current-page\" href=\"about.html\">A</a> "
                         "<a href=\"about.html\" aria-current=\"page\">B</a> <img src=\"x\" href=\"about.html\"> "
                         "<a href=\"about.html#team\">C</a>");

    SitePages alone;
    alone.pages.push_back({"index.html", std::nullopt, {{false, ""}, {false, ""}}});
    EXPECT_TRUE(alone.OnePage());
    EXPECT_EQ(ComposePage(kPage, alone, 0), kPage) << "a one-page site stays as it is";

    const SitePage fresh = NewPage("news.html", site, kPage);
    EXPECT_EQ(fresh.title, std::optional<std::string>("Quay"));
    ASSERT_EQ(fresh.regions.size(), 2u);
    EXPECT_TRUE(fresh.regions[0].own);
    EXPECT_FALSE(fresh.regions[1].own);
}

TEST(PageNames, PlainUniqueNamesThatNoOtherFileHas) {
    const SitePages site = TwoPages();
    EXPECT_EQ(PageFileName("  Contact "), "Contact.html");
    EXPECT_EQ(PageFileName("news.HTML"), "news.HTML");
    EXPECT_FALSE(PageNameRefusal("contact.html", site, SIZE_MAX, {"css/main.css"}));
    EXPECT_TRUE(PageNameRefusal("About.html", site, SIZE_MAX, {})) << "letter case does not make a new name";
    EXPECT_FALSE(PageNameRefusal("About.html", site, 1, {})) << "a page may change its own letter case";
    EXPECT_TRUE(PageNameRefusal("INDEX.html", site, SIZE_MAX, {}));
    EXPECT_TRUE(PageNameRefusal("../up.html", site, SIZE_MAX, {}));
    EXPECT_TRUE(PageNameRefusal("sub/page.html", site, SIZE_MAX, {}));
    EXPECT_TRUE(PageNameRefusal(".hidden.html", site, SIZE_MAX, {}));
    EXPECT_TRUE(PageNameRefusal("my page.html", site, SIZE_MAX, {}));
    EXPECT_TRUE(PageNameRefusal("Main.css.html", site, SIZE_MAX, {"main.css.html"}));
    EXPECT_TRUE(PageNameRefusal("template_mx.dwt", site, SIZE_MAX, {}));
    EXPECT_TRUE(PageNameRefusal("styles.html", site, SIZE_MAX, {"STYLES.html"})) << "a static file of the site";
}

TEST(SiteFile, RoundTripsAndRefusesDamageOrNamesThatLeaveTheSite) {
    const SitePages site = TwoPages();
    EXPECT_EQ(ParseSiteXml(SiteXml(site)), site);
    try {
        ParseSiteXml("<site>\n<page file=\"index.html\">\n<region own=\"true\">x</reg>\n</page></site>");
        ADD_FAILURE() << "a damaged file was read";
    } catch (const Error& error) {
        EXPECT_TRUE(Contains(error.what(), "line 3")) << error.what();
    }
    EXPECT_THROW(ParseSiteXml("<site><page file=\"index.html\"/><page file=\"../../evil.html\"/></site>"), Error);
    EXPECT_THROW(ParseSiteXml("<site><page file=\"about.html\"/></site>"), Error) << "the home page comes first";

    TestFolder dir;
    WriteSiteFile(site, dir.path() / "pages.xml");
    EXPECT_EQ(ReadSiteFile(dir.path() / "pages.xml"), site);
    SitePages alone;
    WriteSiteFile(alone, dir.path() / "pages.xml");
    EXPECT_FALSE(dir.Exists("pages.xml")) << "a one-page site leaves no file behind";
    EXPECT_EQ(ReadSiteFile(dir.path() / "pages.xml"), SitePages{});
}
