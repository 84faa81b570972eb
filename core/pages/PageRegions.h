#pragma once

#include "workspace/SitePages.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quorlex {

// Where the editable regions stand in a page: the text between each "<!--BEGIN_EDITABLE-->"
// and the next "<!--END_EDITABLE-->", and the title region's text.
struct TextSpan {
    size_t begin = 0;
    size_t end = 0;
};
struct PageRegionSpans {
    std::vector<TextSpan> regions;
    std::optional<TextSpan> title;
};
PageRegionSpans FindRegions(const std::string& page);

// The text of the template's title region without its tags: "Merrow Quay".
std::string TemplateTitle(const std::string& page);

// Page `index` of the site made from the generated home page: its title in the title region,
// and in each region its own content, else the home page's own, else the template's. In a site
// of several pages every link to the page itself is marked as the current one. Throws Error
// when Markdown cannot be rendered.
std::string ComposePage(const std::string& generated, const SitePages& site, size_t index);

// Marks each anchor of the page that links `file` as the current page: aria-current="page"
// and the class kCurrentPageClass, added to the anchor's own classes. An anchor marked already
// (by a menu's own markup) stays as it is.
constexpr const char* kCurrentPageClass = "current-page";
void MarkCurrentLinks(std::string& page, const std::string& file);

// A new page: the first region its own and empty, the others as on the home page, the title
// the home page's.
SitePage NewPage(const std::string& file, const SitePages& site, const std::string& generated);

} // namespace quorlex
