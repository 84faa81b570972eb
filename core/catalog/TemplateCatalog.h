#pragma once

#include "catalog/TemplateEntry.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;
class PackagePathResolver;

constexpr const char* kCatalogFileName = "templates_tmp.xml";

// The installed template packages, read from templates/templates.tps and each package's
// settings.tps by way of the catalog file templates_tmp.xml in the program folder.
class TemplateCatalog {
public:
    // Builds the catalog; throws Error with the message to show. On any failure the
    // catalog is left empty.
    void Reload_template_list(const fs::path& appFolder);

    const std::vector<TemplateEntry>& entries() const { return m_entries; }

    // Folders of entries whose texts could not be written into the catalog file as they are;
    // they are listed by their folder name.
    const std::vector<std::string>& damaged() const { return m_damaged; }

    // The message naming the damaged entries, or empty text.
    std::string DamagedEntriesMessage() const;

    // Title and author from a package's settings.tps, or the folder name and empty author
    // when the file is missing, unreadable or shorter than three lines.
    static TemplateEntry ReadEntry(PackagePathResolver& templatesFolder, const std::string& folder);

    // The catalog file text: declaration line, five lines per entry, closing line; CR LF.
    static std::string CatalogXml(const std::vector<TemplateEntry>& entries);

    // Entries of a catalog file; throws Error with the parser's message.
    static std::vector<TemplateEntry> ParseCatalogXml(const fs::path& file);

private:
    std::vector<TemplateEntry> m_entries;
    std::vector<std::string> m_damaged;
};

} // namespace quorlex
