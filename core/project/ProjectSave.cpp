#include "project/ProjectSave.h"

#include "menus/MenuTreeText.h"
#include "pages/SiteFile.h"
#include "project/ProjectFormat.h"
#include "util/Error.h"
#include "util/TextFile.h"
#include "util/UserMessage.h"
#include "workspace/XmlDocument.h"

#include <algorithm>

namespace quorlex {

namespace {

bool HasMarkerLine(const std::vector<std::string>& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const std::string& line) { return IsProjectMarker(line); });
}

// Writes `bytes` to the scratch file and reads it back as lines.
std::vector<std::string> ThroughScratch(const TemplateWorkspace& ws, const std::string& name,
                                        const std::string& bytes) {
    const fs::path scratch = ProjectScratchFile(ws, name);
    WriteFileAtomic(scratch, bytes);
    return ReadLines(scratch);
}

// The package's table file with the fields set from the rows. Comments and character data
// keep their layout unless a line of them would read as a marker; then they are written
// as escaped text.
std::vector<std::string> XmlSection(const TemplateWorkspace& ws, TableKind kind, const std::vector<std::string>& fields,
                                    const std::vector<ItemValues>& rows) {
    const fs::path skeleton = ws.PackageFile(TableFileName(kind));
    XmlDocument doc = XmlDocument::Load(skeleton, true);
    doc.SetItems(fields, rows);
    std::vector<std::string> lines = ThroughScratch(ws, TableFileName(kind), doc.Serialize());
    if (!HasMarkerLine(lines))
        return lines;
    XmlDocument plain = XmlDocument::Load(skeleton);
    plain.SetItems(fields, rows);
    plain.CdataToText();
    lines = ThroughScratch(ws, TableFileName(kind), plain.Serialize());
    if (HasMarkerLine(lines))
        throw Error("A line of the document reads as a marker.");
    return lines;
}

template <typename Row, typename ToItem>
void AddXmlSection(std::vector<std::string>& out, const TemplateWorkspace& ws, TableKind kind,
                   const std::vector<std::string>& fields, const std::vector<Row>& rows, ToItem toItem,
                   const char* begin, const char* end, const char* failure) {
    if (!ws.TabVisible(kind))
        return;
    std::vector<ItemValues> items;
    items.reserve(rows.size());
    for (const Row& row : rows)
        items.push_back(toItem(row));
    std::vector<std::string> lines;
    try {
        lines = XmlSection(ws, kind, fields, items);
    } catch (const std::exception&) {
        throw Error(failure);
    }
    out.push_back(begin);
    out.insert(out.end(), lines.begin(), lines.end());
    out.push_back(end);
}

void AddFonts(std::vector<std::string>& out, const TemplateWorkspace& ws) {
    if (!ws.TabVisible(TableKind::Fonts))
        return;
    out.push_back(project::kFonts);
    for (size_t i = 0; i < ws.tables.fonts.size(); ++i) {
        const FontVariable& font = ws.tables.fonts[i];
        out.push_back(project::kFontBlock);
        out.push_back(std::to_string(i));
        for (const std::string* value :
             {&font.family, &font.size, &font.measure, &font.weight, &font.style, &font.decoration}) {
            if (IsProjectMarker(*value) || value->find_first_of("\r\n") != std::string::npos)
                throw Error("Error Saving Fonts! Cannot Save Project");
            out.push_back(EncodeOwnText(*value, ws.encoding));
        }
        out.push_back(project::kFontBlockEnd);
    }
    out.push_back(project::kFontsEnd);
}

void AddMenus(std::vector<std::string>& out, const TemplateWorkspace& ws, Notices& problems) {
    if (!ws.TabVisible(TableKind::Menus))
        return;
    out.push_back(project::kMenus);
    for (const MenuVariable& menu : ws.tables.menus) {
        MenuTree tree;
        try {
            ReadMenuTree(tree, MenuTreeFile(ws, menu), ws.encoding);
        } catch (const std::exception& cause) {
            tree.clear();
            problems.push_back(std::string(project::kMenuNotRead) + "\r\n" + UserMessage(cause));
        }
        std::vector<std::string> lines;
        try {
            lines = ThroughScratch(ws, "menus.xml", EncodeOwnText(MenuTreeToText(tree), ws.encoding));
        } catch (const std::exception&) {
            throw Error("Error Saving Menus! Cannot Save Project");
        }
        if (HasMarkerLine(lines) || IsProjectMarker(menu.title))
            throw Error("Error Saving Menus! Cannot Save Project");
        out.push_back(project::kMenuBlock);
        out.push_back(EncodeOwnText(menu.title, ws.encoding));
        out.insert(out.end(), lines.begin(), lines.end());
        out.push_back(project::kMenuBlockEnd);
    }
    out.push_back(project::kMenusEnd);
}

// The pages as the program's own XML, a line each; nothing for a site of one page, so that
// such a project stays as it always was.
void AddPages(std::vector<std::string>& out, const TemplateWorkspace& ws) {
    if (ws.site.OnePage())
        return;
    out.push_back(project::kPages);
    for (const std::string& line : SplitLines(SiteXml(ws.site)))
        out.push_back(EncodeOwnText(line, ws.encoding));
    out.push_back(project::kPagesEnd);
}

} // namespace

std::string BuildProject(const TemplateWorkspace& ws, Notices& problems) {
    const VariableTables& t = ws.tables;
    // The project is in the package's encoding; its table sections in their files' own.
    std::vector<std::string> lines{EncodeOwnText(ws.templateId, ws.encoding)};
    AddXmlSection(
        lines, ws, TableKind::Colors, project::kColorFields, t.colors,
        [](const ColorVariable& r) {
            return ItemValues{r.title, r.var, r.value};
        },
        project::kColors, project::kColorsEnd, "Error Saving Colors! Cannot Save Project");
    AddXmlSection(
        lines, ws, TableKind::Images, project::kImageFields, t.images,
        [](const ImageVariable& r) {
            return ItemValues{r.title, r.url, r.folder};
        },
        project::kImages, project::kImagesEnd, "Error Saving Images! Cannot Save Project");
    AddXmlSection(
        lines, ws, TableKind::Layouts, project::kLayoutFields, t.layouts,
        [](const LayoutVariable& r) {
            return ItemValues{r.title, r.choice, r.folder};
        },
        project::kLayouts, project::kLayoutsEnd, "Error Saving Layouts! Cannot Save Project");
    AddFonts(lines, ws);
    AddMenus(lines, ws, problems);
    AddPages(lines, ws);
    return JoinLines(lines);
}

} // namespace quorlex
