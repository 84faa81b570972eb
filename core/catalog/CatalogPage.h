#pragma once

#include "catalog/TemplateCatalog.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quorlex {

// The catalog pane's page before a template is selected.
constexpr const char* WelcomeHtml =
    "<html><head><style type=\"text/css\">.style1 {font-family: Verdana, Arial;font-size:16px;}</style></head>"
    "<body><span class=\"style1\">Please, select menu template from the list above and click "
    "&quot;Customize&quot;...</span></body></html>";

class Browsers;

// The "1) Select Template" page: the catalog list and what its selection shows.
class CatalogPage {
public:
    CatalogPage(Browsers& browsers) : m_browsers(browsers) {}

    // A new program folder: the list will be refilled, without a selection.
    void SetAppFolder(const fs::path& appFolder) {
        m_appFolder = appFolder;
        m_listSelection.reset();
    }
    TemplateCatalog& catalog() { return m_catalog; }
    const std::vector<TemplateEntry>& rows() const { return m_catalog.entries(); }

    // A row's selection changed (mouse or keyboard); deselection comes before selection.
    void ListView1SelectItem(size_t row, bool selected);
    // The list's selection is now `row` (or none): the row that lost it is deselected first,
    // then the new one selected, each once.
    void SelectionChanged(std::optional<size_t> row);
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
    std::optional<size_t> m_listSelection;
};

} // namespace quorlex
