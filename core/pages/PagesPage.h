#pragma once

#include "workspace/SitePages.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

class PageContext;

// "Pages:": the site's pages in order, the home page first; the one selected is the one the
// live preview shows. Every change is one undo step, stored in the package's pages file and
// rebuilt.
class PagesPage {
public:
    explicit PagesPage(PageContext& context) : m_context(context) {}
    // What gives the names of the files the finished site has besides its pages.
    void SetTakenNames(std::function<std::vector<std::string>()> taken) { m_taken = std::move(taken); }

    // The pages to show: the site's, or the home page alone.
    SitePages Pages() const;
    size_t PageCount() const;
    std::string PageFile(size_t index) const;
    size_t selected() const;
    // The template page's editable regions; the tab is hidden without one.
    size_t RegionCount() const;

    void Select(size_t index);
    // "add": a new page after the selected one. False, with the reason shown, for a name
    // that cannot be used.
    bool Add(const std::string& typed);
    // Renames the selected page and every menu link to it, in one step.
    bool Rename(const std::string& typed);
    // Asks first; the home page stays.
    void Delete();
    // Up (-1) or down (+1) among the pages after the home page.
    void Move(int step);
    // An empty title, or the template's on the home page, is the template's.
    void SetTitle(const std::string& title);
    void SetRegionOwn(size_t region, bool own);
    void SetRegionText(size_t region, const std::string& markdown);
    // The page's own content of a region, or the text it shows as on the home page.
    const PageRegion* Region(size_t region) const;
    // The menu item dialog offers these as links.
    std::vector<std::string> PageFiles() const;
    // After an undo or redo put the pages file back.
    void Reload();

private:
    SitePages& Site();
    void Store(const std::string& label, const std::function<bool(SitePages&)>& change);
    std::optional<std::string> Refusal(const std::string& file, size_t index) const;
    void RenameMenuLinks(const std::string& from, const std::string& to);

    PageContext& m_context;
    std::function<std::vector<std::string>()> m_taken;
};

} // namespace quorlex
