#include "project/ProjectLoad.h"

#include "menus/MenuTreeText.h"
#include "pages/SiteFile.h"
#include "project/ProjectFormat.h"
#include "util/Error.h"
#include "util/NativeNames.h"
#include "util/PackagePath.h"
#include "util/TextFile.h"
#include "util/UserMessage.h"
#include "workspace/XmlDocument.h"

#include <map>

namespace quorlex {

namespace {

using Lines = std::vector<std::string>;

// The lines of a section and the project file's line number of the first one.
struct SectionLines {
    const char* name;
    Lines lines;
    size_t firstLine;
};

// The content of a section, or nothing when its begin line is absent. Only the last
// occurrence of each marker counts; the ID line is never one.
std::optional<SectionLines> Section(const Lines& lines, const std::map<std::string, size_t>& last, const char* name,
                                    const char* begin, const char* end, const std::string& fileName) {
    const auto from = last.find(begin);
    if (from == last.end())
        return std::nullopt;
    const auto to = last.find(end);
    if (to == last.end() || to->second < from->second)
        throw Error(ProjectFindingText(fileName, name, from->second + 1,
                                       std::string("the line \"") + end + "\" that ends it is missing."));
    return SectionLines{name, Lines(lines.begin() + from->second + 1, lines.begin() + to->second), from->second + 2};
}

std::vector<ItemValues> XmlItems(const TemplateWorkspace& ws, const SectionLines& section, const char* scratchName,
                                 const std::vector<std::string>& fields, const std::string& fileName) {
    fs::path scratch;
    try {
        scratch = ProjectScratchFile(ws, scratchName);
        WriteFileAtomic(scratch, JoinLines(section.lines));
    } catch (const std::exception&) {
        throw Error(project::kTempFileFailed);
    }
    std::vector<ItemValues> items;
    try {
        XmlDocument::Load(scratch).ForEachItem(
            fields, [&](const ItemValues& values) { items.push_back(values); }, true);
    } catch (const Error& error) {
        throw Error(SectionFindingText(fileName, section.name, section.firstLine, section.lines.size(), error.what()));
    }
    return items;
}

void CheckFolder(const std::string& folder) {
    if (!StaysInsideFolder(folder))
        throw Error("The project names the folder \"" + folder + "\", which lies outside the template's folder.");
}

void ReadFonts(const SectionLines& section, TextEncoding encoding, std::vector<FontVariable>& fonts,
               const std::string& fileName) {
    const Lines& content = section.lines;
    size_t block = 0;
    for (size_t i = 0; i < content.size(); ++i) {
        if (content[i] != project::kFontBlock)
            continue;
        if (block < fonts.size()) {
            if (i + 7 >= content.size())
                throw Error(ProjectFindingText(fileName, section.name, section.firstLine + i,
                                               "the font block ends before its six values."));
            FontVariable& font = fonts[block];
            std::string* values[] = {&font.family, &font.size,  &font.measure,
                                     &font.weight, &font.style, &font.decoration};
            for (size_t k = 0; k < 6; ++k)
                *values[k] = DecodeOwnText(content[i + 2 + k], encoding);
        }
        ++block;
    }
}

void ReadMenus(const TemplateWorkspace& ws, const Lines& content, ProjectChanges& changes) {
    changes.menus.assign(ws.tables.menus.size(), std::nullopt);
    size_t block = 0;
    for (size_t i = 0; i < content.size() && block < changes.menus.size(); ++i) {
        if (content[i] != project::kMenuBlock)
            continue;
        size_t end = i + 1;
        while (end < content.size() && content[end] != project::kMenuBlockEnd)
            ++end;
        const Lines tree(content.begin() + std::min(i + 2, end), content.begin() + end);
        try {
            const fs::path scratch = ProjectScratchFile(ws, "menus.xml");
            WriteFileAtomic(scratch, JoinLines(tree));
            MenuTree read;
            ParseMenuTree(read, DecodeOwnText(ReadFileBytes(scratch), ws.encoding));
            changes.menus[block] = std::move(read);
        } catch (const std::exception&) {
            ++changes.badMenuBlocks;
        }
        ++block;
    }
}

SitePages ReadPages(const SectionLines& section, TextEncoding encoding, const std::string& fileName) {
    std::string xml;
    for (const std::string& line : section.lines)
        xml += DecodeOwnText(line, encoding) + "\n";
    try {
        return ParseSiteXml(xml);
    } catch (const Error& error) {
        throw Error(ProjectFindingText(fileName, section.name, section.firstLine, error.what()));
    }
}

} // namespace

ProjectChanges ReadProject(const std::string& bytes, const TemplateWorkspace& ws, const std::string& fileName) {
    // A picture or any other file that is no project is named as such, not taken for a project
    // of another template.
    const Lines lines = SplitLines(bytes);
    const bool hasMarker =
        std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return IsProjectMarker(l); });
    if (bytes.find('\0') != std::string::npos || (lines.size() > 1 && !hasMarker))
        throw Error(project::kNotAProject);
    const std::string id = lines.empty() ? std::string() : DecodeOwnText(lines.front(), ws.encoding);
    if (id != ws.templateId)
        throw Error(project::kOtherTemplate + id);
    std::map<std::string, size_t> last;
    for (size_t i = 1; i < lines.size(); ++i)
        if (IsProjectMarker(lines[i]))
            last[lines[i]] = i;

    using namespace project;
    const auto colors = Section(lines, last, "colors", kColors, kColorsEnd, fileName);
    const auto images = Section(lines, last, "images", kImages, kImagesEnd, fileName);
    const auto layouts = Section(lines, last, "layouts", kLayouts, kLayoutsEnd, fileName);
    const auto fonts = Section(lines, last, "fonts", kFonts, kFontsEnd, fileName);
    const auto menus = Section(lines, last, "menus", kMenus, kMenusEnd, fileName);
    const auto pages = Section(lines, last, "pages", kPages, kPagesEnd, fileName);

    ProjectChanges changes;
    VariableTables& t = changes.tables.emplace(ws.tables);
    if (colors)
        for (const ItemValues& item : XmlItems(ws, *colors, "colors.xml", kColorFields, fileName))
            for (ColorVariable& row : t.colors)
                if (row.title == item[0]) {
                    row.var = item[1];
                    row.value = item[2];
                }
    if (images)
        for (const ItemValues& item : XmlItems(ws, *images, "images.xml", kImageFields, fileName)) {
            CheckFolder(item[2]);
            for (ImageVariable& row : t.images)
                if (row.title == item[0]) {
                    row.url = item[1];
                    row.folder = item[2];
                }
        }
    if (layouts)
        for (const ItemValues& item : XmlItems(ws, *layouts, "layouts.xml", kLayoutFields, fileName)) {
            CheckFolder(item[2]);
            for (LayoutVariable& row : t.layouts)
                if (row.title == item[0]) {
                    row.choice = item[1];
                    row.folder = item[2];
                }
        }
    if (fonts)
        ReadFonts(*fonts, ws.encoding, t.fonts, fileName);
    if (menus)
        ReadMenus(ws, menus->lines, changes);
    if (pages)
        changes.site = ReadPages(*pages, ws.encoding, fileName);
    return changes;
}

ProjectChanges ReadProjectFile(const fs::path& file, const TemplateWorkspace& ws) {
    return ReadProject(ReadFileBytes(file), ws, PathToProgramText(file.filename()));
}

void ApplyProject(ProjectChanges& changes, TemplateWorkspace& ws, Notices& problems) {
    for (size_t i = 0; i < changes.badMenuBlocks; ++i)
        problems.push_back(project::kMenuNotLoaded);
    for (size_t i = 0; i < changes.menus.size() && i < ws.tables.menus.size(); ++i) {
        if (!changes.menus[i])
            continue;
        try {
            WriteMenuTree(*changes.menus[i], MenuTreeFile(ws, ws.tables.menus[i]), ws.encoding);
        } catch (const std::exception& cause) {
            problems.push_back(std::string(project::kMenuNotSaved) + "\r\n" + UserMessage(cause));
        }
    }
    if (changes.site) {
        try {
            WriteSiteFile(*changes.site, ws.PackageFile(kSiteFileName));
            ws.site = std::move(*changes.site);
            ws.shownPage = 0;
        } catch (const std::exception& cause) {
            problems.push_back(UserMessage(cause));
        }
    }
    if (changes.tables)
        ws.tables = std::move(*changes.tables);
}

} // namespace quorlex
