#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorlex {

// The package's file of the user's pages, beside the menus.
constexpr const char* kSiteFileName = "pages.xml";

// One editable region of a page: as in the template (or, on another page, as on the home
// page), or the user's own content written in Markdown.
struct PageRegion {
    bool own = false;
    std::string markdown; // program text

    bool operator==(const PageRegion& other) const { return own == other.own && markdown == other.markdown; }
};

// One page of the site. The home page is "index.html".
struct SitePage {
    std::string file;                 // a plain ".html" name, program text
    std::optional<std::string> title; // nothing: the template's title
    std::vector<PageRegion> regions;  // per editable region of the template page, in page order

    bool operator==(const SitePage& other) const {
        return file == other.file && title == other.title && regions == other.regions;
    }
};

// The user's pages in their order, the home page first. Empty: the template's one page.
struct SitePages {
    std::vector<SitePage> pages;

    bool operator==(const SitePages& other) const { return pages == other.pages; }
    // Only the template's own page: nothing of the user's is written anywhere.
    bool OnePage() const {
        if (pages.size() > 1)
            return false;
        if (pages.empty())
            return true;
        const SitePage& home = pages.front();
        for (const PageRegion& region : home.regions)
            if (region.own)
                return false;
        return !home.title;
    }
};

} // namespace quorlex
