#include "check/CheckedPackage.h"

#include "check/EncodingCheck.h"
#include "check/PackageFiles.h"
#include "menus/MenuTreeText.h"
#include "util/Error.h"
#include "util/FileLists.h"
#include "util/NativeNames.h"
#include "util/PackagePath.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"
#include "workspace/TableFiles.h"

#include <algorithm>

namespace quorlex {
namespace {

const std::vector<std::string> kStyleFields{"title", "filename", "folder", "var", "description", "media"};

// The line an XmlDocument error names ("...: line 7: ..."), or 0.
size_t LineInMessage(const std::string& message) {
    const size_t at = message.find(": line ");
    if (at == std::string::npos)
        return 0;
    return static_cast<size_t>(std::strtoul(message.c_str() + at + 7, nullptr, 10));
}

// The message without the "Error reading "<path>": " in front, which the finding's file says.
std::string WithoutFileName(const std::string& message) {
    const size_t at = message.find("\": ");
    return message.rfind("Error reading \"", 0) == 0 && at != std::string::npos ? message.substr(at + 3) : message;
}

std::string WithoutIndent(const std::string& line) {
    const size_t text = line.find_first_not_of("\t ");
    return text == std::string::npos ? std::string() : line.substr(text);
}

class PackageReader {
public:
    PackageReader(const fs::path& folder, CheckFindings& findings) : m_findings(findings) {
        m_package.folder = folder;
        m_package.ws.TemplateFolder = folder;
    }

    CheckedPackage Read() {
        std::error_code ec;
        if (!fs::is_directory(m_package.folder, ec))
            throw Error("\"" + PathToProgramText(m_package.folder) + "\" is no template folder.");
        ReadPage();
        ReadXml(kSettingsXml, {"imageroot", "imagebackup"}, [](const ItemValues&) {});
        ReadXml(kStyleFilesXml, kStyleFields, [&](const ItemValues& v) {
            m_package.ws.stylesheets.push_back({v[0], v[1], v[2], v[3], v[4], v[5]});
        });
        ReadTable(TableKind::Layouts, LayoutFromItem, m_package.ws.tables.layouts);
        ReadTable(TableKind::Colors, ColorFromItem, m_package.ws.tables.colors);
        ReadTable(TableKind::Fonts, FontFromItem, m_package.ws.tables.fonts);
        ReadTable(TableKind::Images, ImageFromItem, m_package.ws.tables.images);
        ReadTable(TableKind::Menus, MenuFromItem, m_package.ws.tables.menus);
        ReadPresets();
        ReadStyleSheets();
        ReadFragments();
        ReadMenus();
        ReadStaticList();
        return std::move(m_package);
    }

private:
    void Note(const std::string& file, size_t line, const char* kind, const std::string& text, const std::string& fix) {
        m_findings.push_back({file, line, kind, text, fix});
    }

    // The bytes of an existing file, or nothing; a file that cannot be read is a finding.
    std::optional<std::string> Bytes(const std::string& relative) {
        const LocatedFile located = LocatePackageFile(m_package.folder, relative);
        if (located.state == FileState::Missing || located.state == FileState::Outside)
            return std::nullopt;
        try {
            return ReadFileBytes(located.path);
        } catch (const Error& error) {
            Note(relative, 0, check_kind::kMissingFile, error.what(), "Make the file readable, or remove it.");
            return std::nullopt;
        }
    }

    void ReadPage() {
        const fs::path file = ResolvePackagePath(m_package.folder, "index.html");
        const std::string bytes = ReadFileBytes(file);
        m_package.ws.encoding = CheckPageEncoding("index.html", bytes, m_findings);
        m_package.page = {"index.html", NormalizeLineEnds(DecodeText(bytes, m_package.ws.encoding))};
    }

    void ReadXml(const std::string& name, const std::vector<std::string>& fields,
                 const std::function<void(const ItemValues&)>& onItem) {
        const std::optional<std::string> bytes = Bytes(name);
        if (!bytes)
            return;
        CheckXmlEncoding(name, *bytes, m_findings);
        try {
            const XmlDocument doc = XmlDocument::Load(ResolvePackagePath(m_package.folder, name));
            m_package.items[name] = doc.Items();
            std::vector<ItemValues>& values = m_package.values[name];
            doc.ForEachItem(fields, [&](const ItemValues& v) {
                values.push_back(v);
                onItem(v);
            });
        } catch (const Error& error) {
            Note(name, LineInMessage(error.what()), check_kind::kXmlParse, WithoutFileName(error.what()),
                 "Correct the XML at that line: every element closed, \"&\" written as \"&amp;\", \"<\" as \"&lt;\".");
        }
    }

    template <typename Row>
    void ReadTable(TableKind kind, Row (*fromItem)(const ItemValues&), std::vector<Row>& rows) {
        ReadXml(TableFileName(kind), TableFields(kind), [&](const ItemValues& v) { rows.push_back(fromItem(v)); });
    }

    void ReadPresets() {
        for (const char* kind : {"colors", "images", "layouts"}) {
            const std::string folder = std::string("presets/") + kind + "/";
            const LocatedFile located = LocatePackageFile(m_package.folder, folder);
            if (located.state != FileState::Found && located.state != FileState::CaseDiffers)
                continue;
            for (const std::string& name : ListFileNames(located.path, "*.xml"))
                ReadXml(located.actual + "/" + name, {}, [](const ItemValues&) {});
        }
    }

    void ReadStyleSheets() {
        for (const StyleSheetEntry& sheet : m_package.ws.stylesheets) {
            const std::string name = JoinNames(PathNames(sheet.folder + sheet.filename));
            const std::optional<std::string> bytes = Bytes(name);
            if (!bytes)
                continue;
            CheckStyleSheetEncoding(name, *bytes, m_package.ws.encoding, m_findings);
            const TextEncoding encoding = StyleSheetEncoding(*bytes, m_package.ws.encoding);
            m_package.sheets.push_back({name, NormalizeLineEnds(DecodeText(*bytes, encoding))});
        }
    }

    void ReadFragments() {
        std::vector<std::string> folders;
        for (const LayoutVariable& layout : m_package.ws.tables.layouts)
            folders.push_back(layout.folder);
        std::sort(folders.begin(), folders.end());
        folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
        for (const std::string& folder : folders) {
            const LocatedFile located = LocatePackageFile(m_package.folder, folder);
            if (located.state != FileState::Found && located.state != FileState::CaseDiffers)
                continue;
            for (const std::string& name : ListFileNames(located.path, "*.lyo")) {
                const std::string relative = JoinNames(PathNames(located.actual + "/" + name));
                if (const auto bytes = Bytes(relative))
                    m_package.fragments.push_back(
                        {relative, NormalizeLineEnds(DecodeText(*bytes, DetectEncoding(*bytes)))});
            }
        }
    }

    void ReadMenus() {
        for (const MenuVariable& menu : m_package.ws.tables.menus)
            for (const char* tree : {"menu.lyo", "default.lyo"}) {
                const std::string relative = JoinNames(PathNames(menu.folder + tree));
                const std::optional<std::string> bytes = Bytes(relative);
                if (!bytes)
                    continue;
                const std::string text = DecodeOwnText(*bytes, m_package.ws.encoding);
                m_package.menus.push_back({relative, text});
                CheckMenuTree(relative, text);
            }
    }

    void CheckMenuTree(const std::string& relative, const std::string& text) {
        try {
            MenuTree tree;
            ParseMenuTree(tree, text);
        } catch (const Error& error) {
            const std::string message = error.what();
            const size_t open = message.find('"');
            const std::string item = open == std::string::npos ? std::string() : message.substr(open + 1);
            size_t line = 0;
            const std::vector<std::string> lines = SplitLines(text);
            for (size_t i = 1; i < lines.size() && line == 0; ++i)
                if (WithoutIndent(lines[i]) + "\"" == item)
                    line = i + 1;
            Note(relative, line, check_kind::kMenuTree, message,
                 "Indent each item at most one TAB deeper than the line before it.");
        }
    }

    void ReadStaticList() {
        if (const auto bytes = Bytes(kStaticFilesList))
            m_package.staticLines = SplitLines(DecodeText(*bytes, DetectEncoding(*bytes)));
    }

    CheckFindings& m_findings;
    CheckedPackage m_package;
};

} // namespace

size_t CheckedPackage::FieldLine(const std::string& file, size_t row, const std::string& name) const {
    const auto found = items.find(file);
    if (found == items.end() || row >= found->second.size())
        return 0;
    const XmlItem& item = found->second[row];
    for (const XmlField& field : item.fields)
        if (field.name == name)
            return field.line;
    return item.line;
}

CheckedPackage ReadPackageForCheck(const fs::path& folder, CheckFindings& findings) {
    return PackageReader(folder, findings).Read();
}

} // namespace quorlex
