#pragma once

#include "catalog/TemplateCatalog.h"

#include <filesystem>
#include <string>

namespace quorlex {

class Browsers;

// The "1) Select Template" page: the catalog list and what its selection shows.
class CatalogPage {
public:
    CatalogPage(Browsers& browsers) : m_browsers(browsers) {}

    void SetAppFolder(const fs::path& appFolder) { m_appFolder = appFolder; }
    TemplateCatalog& catalog() { return m_catalog; }
    const std::vector<TemplateEntry>& rows() const { return m_catalog.entries(); }

    // A row's selection changed (mouse or keyboard); deselection comes before selection.
    void ListView1SelectItem(size_t row, bool selected);
    // A mouse click in the list, after the selection changed.
    void ListView1Click(bool anyRowSelected);
    // The info browser back to the welcome page.
    void ShowWelcome();

    const std::string& TemplateRoot() const { return m_templateRoot; }
    const std::string& templateId() const { return m_templateId; }
    const std::string& templateTitle() const { return m_templateTitle; }
    bool customizeEnabled() const { return m_customizeEnabled; }
    bool screenshotVisible() const { return m_screenshotVisible; }
    const fs::path& screenshotFile() const { return m_screenshotFile; }

private:
    fs::path PackageFile(const std::string& folder, const std::string& name) const;

    Browsers& m_browsers;
    fs::path m_appFolder;
    TemplateCatalog m_catalog;
    std::string m_templateRoot;
    std::string m_templateId;
    std::string m_templateTitle;
    bool m_customizeEnabled = false;
    bool m_screenshotVisible = false;
    fs::path m_screenshotFile;
};

} // namespace quorlex
