#include "workspace/WorkspaceLoader.h"

#include "util/Error.h"
#include "util/FileLists.h"
#include "util/PackagePath.h"
#include "util/PackageText.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"
#include "util/TextSearch.h"
#include "workspace/StyleRebase.h"

namespace quorlex {

namespace {

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// The table is read in full before it replaces the one in memory: a file that fails to read
// leaves the current rows, presets and tab as they were.
template <typename Row>
void LoadTable(TemplateWorkspace& ws, TableKind kind, std::vector<Row>& rows, Row (*fromItem)(const ItemValues&),
               bool listsPresets) {
    const fs::path file = ws.PackageFile(TableFileName(kind));
    std::vector<Row> read;
    std::vector<std::string> presets;
    const bool visible = Exists(file);
    if (visible) {
        ReadTableFile(file, kind, fromItem, read);
        if (listsPresets)
            presets = ListFileTitles(ws.PresetFolder(kind), "*.xml");
    }
    rows = std::move(read);
    ws.Presets(kind) = std::move(presets);
    ws.TabVisible(kind) = visible;
}

void LoadHoverFile(TemplateWorkspace& ws) {
    ws.hoverFile.reset();
    const fs::path file = ws.PackageFile("csshover2.htc");
    if (!Exists(file))
        return;
    ws.hoverFile.emplace(); // the tab shows even when reading fails
    ws.hoverFile = ReadPackageText(file);
}

// A folder named in tamblor_settings.xml, when the field is filled; one that leaves the package
// is refused.
void TakeFolder(std::string& setting, const std::string& value, const char* field) {
    const std::string folder = StripBadSlashes(value);
    if (folder.empty())
        return;
    if (!StaysInsideFolder(folder))
        throw Error("\"tamblor_settings.xml\": the folder \"" + value + "\" of <" + field +
                    "> lies outside the template's folder.");
    setting = folder;
}

} // namespace

void GetImageSettings(TemplateWorkspace& ws) {
    ws.settings = {"index_temp.html", "template", "presets", "images", "default_images"};
    const fs::path file = ws.PackageFile("tamblor_settings.xml");
    if (!Exists(file)) {
        ws.settings.imageroot.clear();
        ws.settings.imagebackup.clear();
        return;
    }
    // The picture folders are the package's to name; the preview file and the output folder
    // keep the program's names, since generation replaces the output folder whole.
    XmlDocument::Load(file).ForEachItem({"imageroot", "imagebackup"}, [&](const ItemValues& v) {
        TakeFolder(ws.settings.imageroot, v[0], "imageroot");
        TakeFolder(ws.settings.imagebackup, v[1], "imagebackup");
    });
}

void LoadStyleSheets(TemplateWorkspace& ws, Notices& notices) {
    ws.stylesheets.clear();
    const fs::path file = ws.PackageFile("style_files.xml");
    if (!Exists(file)) {
        notices.push_back("Missing configuration file (\"style_files.xml\")");
        return;
    }
    XmlDocument::Load(file).ForEachItem({"title", "filename", "folder", "var", "description", "media"},
                                        [&](const ItemValues& v) {
                                            ws.stylesheets.push_back({v[0], v[1], v[2], v[3], v[4], v[5]});
                                        });
}

void LoadColors(TemplateWorkspace& ws) { LoadTable(ws, TableKind::Colors, ws.tables.colors, ColorFromItem, true); }

void LoadFonts(TemplateWorkspace& ws) { LoadTable(ws, TableKind::Fonts, ws.tables.fonts, FontFromItem, false); }

void LoadImages(TemplateWorkspace& ws) { LoadTable(ws, TableKind::Images, ws.tables.images, ImageFromItem, true); }

void LodaLayouts(TemplateWorkspace& ws) { LoadTable(ws, TableKind::Layouts, ws.tables.layouts, LayoutFromItem, true); }

void LoadMenus(TemplateWorkspace& ws) { LoadTable(ws, TableKind::Menus, ws.tables.menus, MenuFromItem, true); }

std::string InlinedStyleSheet(std::string_view css, std::string_view folder) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (css.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        css.remove_prefix(kByteOrderMark.size());
    return RebaseStyleSheet(css, folder);
}

std::string StyleBlock(const std::string& media, const std::string& cssText) {
    return "<style type=\"text/css\" media=\"" + media + "\">" + cssText + "</style>";
}

void InlineStyleSheets(TemplateWorkspace& ws, std::string& page) {
    ws.stylesheetScratch.clear();
    for (const auto& sheet : ws.stylesheets) {
        ws.stylesheetScratch = InlinedStyleSheet(
            ReadStyleSheetText(ws.PackageFile(sheet.folder + sheet.filename), ws.encoding).text, sheet.folder);
        ReplaceFirst(page, sheet.var, StyleBlock(sheet.media, ws.stylesheetScratch));
    }
}

void LoadPackage(TemplateWorkspace& ws, const fs::path& folder, Notices& notices) {
    ws.TemplateFolder = folder;
    if (!ws.settings.tempfile.empty()) {
        std::error_code ec;
        fs::remove(ws.PackageFile(ws.settings.tempfile), ec);
    }
    DecodedText read = ReadPageText(ws.PackageFile("index.html"));
    std::string page = std::move(read.text);
    ws.encoding = read.encoding;
    ws.workingPage = page;
    LoadStyleSheets(ws, notices);
    GetImageSettings(ws);
    InlineStyleSheets(ws, page);
    ws.workingPage = page;
    ws.templatePage = std::move(page);
    LodaLayouts(ws);
    LoadColors(ws);
    LoadFonts(ws);
    LoadImages(ws);
    ws.tables.DefaultImageTable = ws.tables.images;
    LoadMenus(ws);
}

void LoadPackageExtras(TemplateWorkspace& ws) {
    ws.menuClassOffered = Exists(ws.PackageFile("ismenu.lyo")) || Exists(ws.PackageFile("islayout.lyo"));
    LoadHoverFile(ws);
}

} // namespace quorlex
