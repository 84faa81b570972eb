#include "catalog/TemplateCatalog.h"

#include "util/Error.h"
#include "util/PackagePath.h"
#include "util/TextFile.h"
#include "workspace/XmlDocument.h"

namespace quorlex {

TemplateEntry TemplateCatalog::ReadEntry(const fs::path& templatesFolder, const std::string& folder) {
    try {
        const auto lines = ReadLines(ResolvePackagePath(templatesFolder, folder + "\\settings.tps"));
        if (lines.size() >= 3)
            return {lines[0], lines[1], folder};
    } catch (const Error&) {
        // An unusable settings file falls back to the folder name.
    }
    return {folder, "", folder};
}

std::string TemplateCatalog::CatalogXml(const std::vector<TemplateEntry>& entries) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><settings><channel>\r\n";
    for (const auto& entry : entries) {
        xml += "<item>\r\n";
        xml += "<title>" + entry.title + "</title>\r\n";
        xml += "<author>" + entry.author + "</author>\r\n";
        xml += "<folder>" + entry.folder + "</folder>\r\n";
        xml += "</item>\r\n";
    }
    xml += "</channel></settings>\r\n";
    return xml;
}

std::vector<TemplateEntry> TemplateCatalog::ParseCatalogXml(const fs::path& file) {
    std::vector<TemplateEntry> entries;
    const XmlDocument doc = XmlDocument::Load(file);
    doc.ForEachItem({"title", "author", "folder"}, [&](const std::vector<std::string>& values) {
        entries.push_back({values[0], values[1], values[2]});
    }, true);
    return entries;
}

void TemplateCatalog::Reload_template_list(const fs::path& appFolder) {
    m_entries.clear();
    const fs::path templatesFolder = appFolder / "templates";
    const auto folders = ReadLines(templatesFolder / "templates.tps");
    std::vector<TemplateEntry> entries;
    for (const auto& folder : folders)
        entries.push_back(ReadEntry(templatesFolder, folder));
    const fs::path catalogFile = appFolder / kCatalogFileName;
    WriteFileBytes(catalogFile, CatalogXml(entries));
    std::error_code ec;
    if (!fs::exists(catalogFile, ec))
        throw Error("ERROR: Cannot Load Templates. Please, re-install Quorlex!");
    m_entries = ParseCatalogXml(catalogFile);
}

} // namespace quorlex
