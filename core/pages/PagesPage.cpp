#include "pages/PagesPage.h"

#include "menus/MenuItem.h"
#include "menus/MenuTreeText.h"
#include "pagebase/CustomizationStep.h"
#include "pagebase/PageAction.h"
#include "pagebase/PageContext.h"
#include "pages/PageNames.h"
#include "pages/PageRegions.h"
#include "pages/SiteFile.h"
#include "ports/Ui.h"
#include "util/TextSearch.h"
#include "workspace/TemplateWorkspace.h"

#include <algorithm>

namespace quorlex {

namespace {

constexpr const char* kSaveFailed = "Error saving the pages of this template.";

// Renames the links of a node and its children; true when one changed.
bool RenameLinks(MenuNode& node, const std::string& from, const std::string& to) {
    bool changed = false;
    const MenuItemFields fields = SplitMenuItem(node.text);
    if (fields.link == from) {
        node.text = JoinMenuItem(fields.caption, to, fields.target);
        changed = true;
    }
    for (MenuNode& child : node.children)
        changed = RenameLinks(child, from, to) || changed;
    return changed;
}

std::string UnixLines(std::string text) {
    ReplaceAll(text, "\r\n", "\n");
    return text;
}

} // namespace

SitePages PagesPage::Pages() const {
    const TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return {};
    if (!ws->site.pages.empty())
        return ws->site;
    SitePages home;
    home.pages.push_back({"index.html", std::nullopt, std::vector<PageRegion>(RegionCount())});
    return home;
}

size_t PagesPage::PageCount() const {
    const TemplateWorkspace* ws = m_context.workspace();
    return ws ? std::max<size_t>(ws->site.pages.size(), 1) : 0;
}

std::string PagesPage::PageFile(size_t index) const {
    const TemplateWorkspace* ws = m_context.workspace();
    return ws && index < ws->site.pages.size() ? ws->site.pages[index].file : std::string("index.html");
}

size_t PagesPage::selected() const {
    const TemplateWorkspace* ws = m_context.workspace();
    return ws ? std::min(ws->shownPage, PageCount() - 1) : 0;
}

size_t PagesPage::RegionCount() const {
    const TemplateWorkspace* ws = m_context.workspace();
    return ws ? FindRegions(ws->templatePage).regions.size() : 0;
}

SitePages& PagesPage::Site() {
    TemplateWorkspace& ws = *m_context.workspace();
    if (ws.site.pages.empty())
        ws.site = Pages();
    const size_t regions = RegionCount();
    for (SitePage& page : ws.site.pages)
        page.regions.resize(regions);
    return ws.site;
}

void PagesPage::Select(size_t index) {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws || index >= PageCount() || index == ws->shownPage)
        return;
    ws->shownPage = index;
    m_context.Rebuildtemplate();
}

void PagesPage::Store(const std::string& label, const std::function<bool(SitePages&)>& change) {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return;
    CustomizationStep step(m_context, label);
    if (!change(Site()))
        return;
    RunPageAction(m_context.ui(), kSaveFailed, FailureBox::Error,
                  [&] { WriteSiteFile(ws->site, ws->PackageFile(kSiteFileName)); });
    m_context.Rebuildtemplate();
}

std::optional<std::string> PagesPage::Refusal(const std::string& file, size_t index) const {
    return PageNameRefusal(file, Pages(), index, m_taken ? m_taken() : std::vector<std::string>());
}

bool PagesPage::Add(const std::string& typed) {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return false;
    const std::string file = PageFileName(typed);
    if (const auto refusal = Refusal(file, SIZE_MAX)) {
        m_context.ui().Inform(*refusal);
        return false;
    }
    const size_t at = selected() + 1;
    Store("add page " + file, [&](SitePages& site) {
        site.pages.insert(site.pages.begin() + static_cast<ptrdiff_t>(at), NewPage(file, site, ws->templatePage));
        ws->shownPage = at;
        return true;
    });
    return true;
}

bool PagesPage::Rename(const std::string& typed) {
    const size_t index = selected();
    if (!m_context.workspace())
        return false;
    if (index == 0) {
        m_context.ui().Inform("The home page is always \"index.html\".");
        return false;
    }
    const std::string file = PageFileName(typed);
    const std::string old = PageFile(index);
    if (file == old)
        return false;
    if (const auto refusal = Refusal(file, index)) {
        m_context.ui().Inform(*refusal);
        return false;
    }
    Store("rename page " + old, [&](SitePages& site) {
        site.pages[index].file = file;
        RenameMenuLinks(old, file);
        return true;
    });
    return true;
}

void PagesPage::Delete() {
    const size_t index = selected();
    if (!m_context.workspace() || index == 0)
        return;
    const std::string file = PageFile(index);
    if (m_context.ui().ConfirmLoss("Do you really want to delete the page \"" + file + "\"?") != Answer::Yes)
        return;
    Store("delete page " + file, [&](SitePages& site) {
        site.pages.erase(site.pages.begin() + static_cast<ptrdiff_t>(index));
        m_context.workspace()->shownPage = index - 1;
        return true;
    });
}

void PagesPage::Move(int step) {
    const size_t index = selected();
    const size_t count = PageCount();
    const long target = static_cast<long>(index) + step;
    if (!m_context.workspace() || index == 0 || target < 1 || target >= static_cast<long>(count))
        return;
    Store("move page " + PageFile(index), [&](SitePages& site) {
        std::swap(site.pages[index], site.pages[static_cast<size_t>(target)]);
        m_context.workspace()->shownPage = static_cast<size_t>(target);
        return true;
    });
}

void PagesPage::SetTitle(const std::string& title) {
    const size_t index = selected();
    const TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return;
    // The template's own title on the home page is no change of the user's.
    const bool templates = title.empty() || (index == 0 && title == TemplateTitle(ws->templatePage));
    Store("page title", [&](SitePages& site) {
        std::optional<std::string> value = templates ? std::nullopt : std::optional<std::string>(title);
        if (site.pages[index].title == value)
            return false;
        site.pages[index].title = std::move(value);
        return true;
    });
}

void PagesPage::SetRegionOwn(size_t region, bool own) {
    if (region >= RegionCount())
        return;
    const size_t index = selected();
    Store("page region", [&](SitePages& site) {
        PageRegion& target = site.pages[index].regions[region];
        if (target.own == own)
            return false;
        target.own = own;
        return true;
    });
}

void PagesPage::SetRegionText(size_t region, const std::string& markdown) {
    if (region >= RegionCount())
        return;
    const size_t index = selected();
    const std::string text = UnixLines(markdown);
    Store("page text", [&](SitePages& site) {
        PageRegion& target = site.pages[index].regions[region];
        if (target.markdown == text && target.own)
            return false;
        target.own = true;
        target.markdown = text;
        return true;
    });
}

const PageRegion* PagesPage::Region(size_t region) const {
    const TemplateWorkspace* ws = m_context.workspace();
    if (!ws || ws->site.pages.empty())
        return nullptr;
    const SitePage& page = ws->site.pages[selected()];
    return region < page.regions.size() ? &page.regions[region] : nullptr;
}

std::vector<std::string> PagesPage::PageFiles() const {
    std::vector<std::string> files;
    for (size_t i = 0; i < PageCount(); ++i)
        files.push_back(PageFile(i));
    return files;
}

void PagesPage::Reload() {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return;
    const size_t shown = ws->shownPage;
    Notices problems;
    LoadSite(*ws, problems);
    ShowErrors(m_context.ui(), problems);
    ws->shownPage = std::min(shown, std::max<size_t>(ws->site.pages.size(), 1) - 1);
}

void PagesPage::RenameMenuLinks(const std::string& from, const std::string& to) {
    TemplateWorkspace& ws = *m_context.workspace();
    for (const MenuVariable& menu : ws.tables.menus) {
        const std::optional<fs::path> file = ws.PackageFileIfInside(menu.folder + "menu.lyo");
        std::error_code ec;
        if (!file || !fs::exists(*file, ec))
            continue;
        RunPageAction(m_context.ui(), kSaveFailed, FailureBox::Error, [&] {
            MenuTree tree;
            ReadMenuTree(tree, *file, ws.encoding);
            bool changed = false;
            for (size_t i = 0; i < tree.size(); ++i) {
                if (i == 0) {
                    for (MenuNode& item : tree[0].children)
                        changed = RenameLinks(item, from, to) || changed;
                } else {
                    changed = RenameLinks(tree[i], from, to) || changed;
                }
            }
            if (changed)
                WriteMenuTree(tree, *file, ws.encoding);
        });
    }
}

} // namespace quorlex
