#include "catalog/TemplateCatalog.h"

#include "util/Error.h"
#include "util/PackagePath.h"
#include "util/PackageText.h"
#include "util/TextFile.h"
#include "workspace/XmlDocument.h"
#include "workspace/XmlEncoding.h"

namespace quorlex {
namespace {

bool HasControls(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 32 && c != '\t')
            return true;
    return false;
}

// Text that is already well-formed character data is kept byte for byte; a bare "&" and
// every "<" become references, and control characters, which XML cannot hold, become '?'.
std::string Escaped(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&' && XmlReferenceLength(text, i) == 0)
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else
            out += static_cast<unsigned char>(c) < 32 && c != '\t' ? '?' : c;
    }
    return out;
}

// An entry whose title or author cannot be kept shows its folder name instead.
TemplateEntry Repaired(const TemplateEntry& entry, bool& damaged) {
    damaged = HasControls(entry.title) || HasControls(entry.author) || HasControls(entry.folder);
    if (!damaged)
        return entry;
    return {entry.folder, "", entry.folder};
}

} // namespace

TemplateEntry TemplateCatalog::ReadEntry(PackagePathResolver& templatesFolder, const std::string& folder) {
    try {
        const auto lines = ReadTextLines(templatesFolder.Resolve(folder + "\\settings.tps"));
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
        xml += "<title>" + Escaped(entry.title) + "</title>\r\n";
        xml += "<author>" + Escaped(entry.author) + "</author>\r\n";
        xml += "<folder>" + Escaped(entry.folder) + "</folder>\r\n";
        xml += "</item>\r\n";
    }
    xml += "</channel></settings>\r\n";
    return EncodeText(xml, TextEncoding::Cp1252, Escapes::Xml);
}

std::vector<TemplateEntry> TemplateCatalog::ParseCatalogXml(const fs::path& file) {
    std::vector<TemplateEntry> entries;
    const XmlDocument doc = XmlDocument::Load(file);
    doc.ForEachItem(
        {"title", "author", "folder"},
        [&](const std::vector<std::string>& values) {
            entries.push_back({values[0], values[1], values[2]});
        },
        true);
    return entries;
}

std::string TemplateCatalog::DamagedEntriesMessage() const {
    if (m_damaged.empty())
        return {};
    std::string text = "These templates have settings that cannot be shown; they are listed by their folder names:";
    for (const auto& folder : m_damaged)
        text += "\r\n" + Escaped(folder);
    return text;
}

void TemplateCatalog::Reload_template_list(const fs::path& appFolder) {
    m_entries.clear();
    m_damaged.clear();
    const fs::path templatesFolder = appFolder / "templates";
    PackagePathResolver resolver(templatesFolder);
    const auto folders = ReadTextLines(resolver.Resolve("templates.tps"));
    std::vector<TemplateEntry> entries;
    std::vector<std::string> damaged;
    for (const auto& folder : folders) {
        bool bad = false;
        entries.push_back(Repaired(ReadEntry(resolver, folder), bad));
        if (bad)
            damaged.push_back(folder);
    }
    const fs::path catalogFile = appFolder / kCatalogFileName;
    WriteFileAtomic(catalogFile, CatalogXml(entries));
    std::error_code ec;
    if (!fs::exists(catalogFile, ec))
        throw Error("ERROR: Cannot Load Templates. Please, re-install Quorlex!");
    m_entries = ParseCatalogXml(catalogFile);
    m_damaged = std::move(damaged);
}

} // namespace quorlex
