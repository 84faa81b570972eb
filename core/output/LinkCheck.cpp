#include "output/LinkCheck.h"

#include "menus/MenuHtml.h"
#include "menus/MenuItem.h"
#include "menus/MenuTreeText.h"
#include "output/PageReferences.h"
#include "output/SiteReference.h"
#include "util/NativeNames.h"
#include "util/PackagePath.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"
#include "util/TextSearch.h"

#include <algorithm>
#include <optional>
#include <set>

namespace quorlex {
namespace {

constexpr std::size_t kMaxStyleSheetBytes = std::size_t{16} << 20;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The names as one "/"-separated program text path.
std::string PathText(const std::vector<std::string>& parts) {
    std::string text;
    for (const auto& part : parts)
        text += (text.empty() ? "" : "/") + PackageTextFromNativeName(part);
    return text;
}

// A path to compare without regard to letter case or the kind of slash.
std::string Folded(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return FoldText(text);
}

bool EndsWithCss(const std::string& name) {
    const std::string folded = Folded(name);
    return folded.size() >= 4 && folded.compare(folded.size() - 4, 4, ".css") == 0;
}

class LinkChecker {
public:
    LinkChecker(const fs::path& site, const TemplateWorkspace& ws) : m_site(site), m_ws(ws) {}

    std::vector<SiteFinding> Run() {
        const std::string page = ReadFileBytes(m_site / "index.html");
        CheckMenus(page);
        CheckFile("index.html", {}, HtmlReferences(page));
        // The user's pages beside it: their links and the pictures their Markdown shows.
        for (size_t i = 1; i < m_ws.site.pages.size(); ++i) {
            const std::string& file = m_ws.site.pages[i].file;
            if (const std::optional<std::string> text = ReadFileIfPresent(m_site / file))
                CheckFile(file, {}, HtmlReferences(*text));
        }
        for (size_t i = 0; i < m_sheets.size(); ++i) {
            const std::vector<std::string> sheet = m_sheets[i];
            std::string css;
            try {
                css = ReadFileBytes(Native(sheet), kMaxStyleSheetBytes);
            } catch (const std::exception&) {
                continue; // a folder or a huge file named .css is no stylesheet to read
            }
            CheckFile(PathText(sheet), {sheet.begin(), sheet.end() - 1}, CssReferences(css));
        }
        return std::move(m_findings);
    }

private:
    enum class Presence { Exact, OtherCase, Missing };

    fs::path Native(const std::vector<std::string>& parts) const {
        fs::path path = m_site;
        for (const auto& part : parts)
            path /= part;
        return path;
    }

    // Whether the file is there; `actual` gets the name in other letter case when that is all.
    Presence Find(const std::vector<std::string>& parts, std::string& actual) const {
        // An escaped "/" or NUL stays in its name, and no file can have such a name.
        for (const auto& part : parts)
            if (part.find_first_of(std::string_view("/\0", 2)) != std::string::npos)
                return Presence::Missing;
        std::error_code ec;
        const fs::path exact = Native(parts);
        if (fs::exists(exact, ec) && IsInsideFolder(exact, m_site))
            return Presence::Exact;
        try {
            const fs::path other = ResolvePackagePath(m_site, PathText(parts));
            if (!fs::exists(other, ec))
                return Presence::Missing;
            actual = PackageTextFromNativeName(fs::relative(other, m_site, ec).generic_string());
            return Presence::OtherCase;
        } catch (const std::exception&) {
            return Presence::Missing;
        }
    }

    // The finding for a local address that does not reach a file; nothing when it does.
    std::optional<SiteFinding> Test(const std::string& written, const SiteReference& target) {
        std::string actual;
        switch (target.kind) {
        case ReferenceKind::External:
        case ReferenceKind::SamePage: return std::nullopt;
        case ReferenceKind::Outside:
            return SiteFinding{FindingKind::LeavesSite,
                               {},
                               written,
                               "The address leads outside the site folder, so it breaks once the site is copied.",
                               {},
                               {},
                               {},
                               {},
                               {},
                               {}};
        case ReferenceKind::Local: break;
        }
        const std::string path = PathText(target.parts);
        switch (Find(target.parts, actual)) {
        case Presence::Exact: return std::nullopt;
        case Presence::OtherCase:
            return SiteFinding{FindingKind::LetterCase,
                               {},
                               written,
                               "The file is named " + Quoted(actual) +
                                   ": the letter case differs, which breaks on most web servers.",
                               ImageVariableOf(actual),
                               {},
                               {},
                               {},
                               {},
                               {}};
        case Presence::Missing: break;
        }
        return SiteFinding{FindingKind::MissingFile,
                           {},
                           written,
                           "The file " + Quoted(path) + " is missing from the site folder.",
                           ImageVariableOf(path),
                           {},
                           {},
                           {},
                           {},
                           {}};
    }

    std::string ImageVariableOf(const std::string& path) const {
        for (const auto& image : m_ws.tables.images)
            if (Folded(image.folder + image.url) == Folded(path))
                return "Image " + Quoted(image.title);
        return {};
    }

    void Report(SiteFinding finding, const std::string& location, const SiteReference& target) {
        const std::string key = target.kind == ReferenceKind::Local ? PathText(target.parts) : finding.subject;
        if (!m_reported.insert(key).second)
            return;
        finding.location = location;
        m_findings.push_back(std::move(finding));
    }

    void CheckFile(const std::string& location, const std::vector<std::string>& folder,
                   const std::vector<std::string>& references) {
        for (const auto& written : references) {
            const SiteReference target = ResolveSiteReference(written, folder);
            if (auto finding = Test(written, target))
                Report(std::move(*finding), location, target);
            else if (target.kind == ReferenceKind::Local && !target.parts.empty() && EndsWithCss(target.parts.back()) &&
                     std::find(m_sheets.begin(), m_sheets.end(), target.parts) == m_sheets.end())
                m_sheets.push_back(target.parts);
        }
    }

    // A menu counts as shown when its whole list stands in the page.
    void CheckMenus(const std::string& page) {
        for (size_t row = 0; row < m_ws.tables.menus.size(); ++row) {
            const MenuVariable& menu = m_ws.tables.menus[row];
            MenuTree tree;
            try {
                ReadMenuTree(tree, m_ws.PackageFile(menu.folder + "menu.lyo"), m_ws.encoding);
            } catch (const std::exception&) {
                continue;
            }
            if (tree.empty() || page.find(RenderMenuHtml(tree)) == std::string::npos)
                continue;
            // The root's children and any further top-level nodes are the items.
            for (size_t i = 0; i < tree.front().children.size(); ++i)
                CheckMenuItem(row, tree.front().children[i], {0, i});
            for (size_t i = 1; i < tree.size(); ++i)
                CheckMenuItem(row, tree[i], {i});
        }
    }

    void CheckMenuItem(size_t row, const MenuNode& node, const std::vector<size_t>& path) {
        const MenuVariable& menu = m_ws.tables.menus[row];
        const MenuItemFields fields = SplitMenuItem(node.text);
        const std::string caption(TrimControls(fields.caption));
        const std::string link(TrimControls(fields.link));
        const std::string change = "Menu item " + Quoted(caption);
        // "#" on an item with sub-items is how a drop-down list is opened, not a missing link.
        const bool opensList = link == "#" && !node.children.empty();
        if ((link.empty() || link == "#") && !opensList) {
            m_findings.push_back({FindingKind::MenuItemWithoutLink,
                                  menu.title,
                                  caption,
                                  "The menu item has no link target" + std::string(link.empty() ? "." : " (\"#\")."),
                                  change,
                                  {},
                                  {},
                                  std::nullopt,
                                  row,
                                  path});
        } else if (!opensList) {
            const SiteReference target = ResolveSiteReference(link, {});
            if (auto finding = Test(link, target)) {
                finding->change = change;
                finding->menuRow = row;
                finding->menuNode = path;
                Report(std::move(*finding), menu.title, target);
            }
        }
        for (size_t i = 0; i < node.children.size(); ++i) {
            std::vector<size_t> childPath = path;
            childPath.push_back(i);
            CheckMenuItem(row, node.children[i], childPath);
        }
    }

    const fs::path m_site;
    const TemplateWorkspace& m_ws;
    std::vector<std::vector<std::string>> m_sheets; // each stylesheet the site loads, once
    std::set<std::string> m_reported;
    std::vector<SiteFinding> m_findings;
};

} // namespace

std::vector<SiteFinding> CheckLinks(const fs::path& siteFolder, const TemplateWorkspace& ws) {
    return LinkChecker(siteFolder, ws).Run();
}

} // namespace quorlex
