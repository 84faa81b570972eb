#include "catalog/CatalogPage.h"

#include "ports/Browsers.h"
#include "util/Error.h"
#include "util/PackagePath.h"

namespace quorlex {

fs::path CatalogPage::PackageFile(const std::string& folder, const std::string& name) const {
    return ResolvePackagePath(m_appFolder, "templates\\" + folder + "\\" + name);
}

void CatalogPage::SelectionChanged(std::optional<size_t> row) {
    if (m_listSelection && m_listSelection != row)
        ListView1SelectItem(*m_listSelection, false);
    if (row && row != m_listSelection)
        ListView1SelectItem(*row, true);
    m_listSelection = row;
}

void CatalogPage::ListView1SelectItem(size_t row, bool selected) {
    if (row >= rows().size())
        return;
    const TemplateEntry& entry = rows()[row];
    m_templateRoot = "templates\\" + entry.folder;
    m_templateId = entry.folder;
    m_templateTitle = entry.title;
    m_screenshotVisible = true;
    m_customizeEnabled = true;
    try {
        m_screenshotFile = PackageFile(entry.folder, "screenshot.bmp");
    } catch (const Error&) {
        m_screenshotFile.clear();
    }
    if (!selected)
        return;
    try {
        m_browsers.ShowFile(BrowserId::CatalogInfo, PackageFile(entry.folder, "readme.html"));
    } catch (const Error&) {
        ShowWelcome();
    }
}

void CatalogPage::ListView1Click(bool anyRowSelected) {
    if (anyRowSelected)
        return;
    m_templateRoot.clear();
    m_templateId.clear();
    m_templateTitle.clear();
    m_screenshotVisible = false;
    m_customizeEnabled = false;
    m_screenshotFile.clear();
    ShowWelcome();
}

void CatalogPage::ShowWelcome() { LoadHtmlIntoBrowser(m_browsers, BrowserId::CatalogInfo, WelcomeHtml); }

} // namespace quorlex
