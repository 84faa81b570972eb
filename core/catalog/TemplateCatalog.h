#pragma once

#include "catalog/TemplateEntry.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

constexpr const char* kCatalogFileName = "templates_tmp.xml";

// The installed template packages, read from templates/templates.tps and each package's
// settings.tps by way of the catalog file templates_tmp.xml in the program folder.
class TemplateCatalog {
public:
    // Builds the catalog; throws Error with the message to show. On any failure the
    // catalog is left empty.
    void Reload_template_list(const fs::path& appFolder);

    const std::vector<TemplateEntry>& entries() const { return m_entries; }

    // Title and author from a package's settings.tps, or the folder name and empty author
    // when the file is missing, unreadable or shorter than three lines.
    static TemplateEntry ReadEntry(const fs::path& templatesFolder, const std::string& folder);

    // The catalog file text: declaration line, five lines per entry, closing line; CR LF.
    static std::string CatalogXml(const std::vector<TemplateEntry>& entries);

    // Entries of a catalog file; throws Error with the parser's message.
    static std::vector<TemplateEntry> ParseCatalogXml(const fs::path& file);

private:
    std::vector<TemplateEntry> m_entries;
};

} // namespace quorlex
