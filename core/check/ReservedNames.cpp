#include "check/CheckPasses.h"
#include "check/PackageFiles.h"
#include "util/NativeNames.h"
#include "util/PathUtils.h"
#include "util/TextSearch.h"
#include "workspace/TableFiles.h"

#include <algorithm>

namespace quorlex {
namespace {

// Left in a package by its first generation; a package without it has never been generated.
constexpr const char* kGenerationLock = ".quorlex-lock";
constexpr const char* kOutputFolder = "template";
constexpr const char* kScratchFolder = "temp";
constexpr const char* kPreviewFile = "index_temp.html";

bool IsReserved(const std::string& name) {
    return SameTextNoCase(name, kOutputFolder) || SameTextNoCase(name, kScratchFolder) ||
           SameTextNoCase(name, kPreviewFile);
}

// The files the program writes into its scratch folder when it loads or saves a project.
bool IsScratchFile(const std::string& name) {
    for (const TableKind kind :
         {TableKind::Colors, TableKind::Images, TableKind::Layouts, TableKind::Fonts, TableKind::Menus})
        if (name == TableFileName(kind))
            return true;
    return false;
}

void CheckRootEntries(const CheckedPackage& package, CheckFindings& findings) {
    std::error_code ec;
    const bool generated = fs::exists(package.folder / kGenerationLock, ec);
    for (fs::directory_iterator it(package.folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = PathToProgramText(it->path().filename());
        if (SameTextNoCase(name, kOutputFolder) && !generated)
            findings.push_back({name, 0, check_kind::kReservedName,
                                "\"" + name +
                                    "\" is the name of the finished site's folder: the first generation "
                                    "deletes it with everything in it.",
                                "Rename it, and change the paths that name it."});
        if (SameTextNoCase(name, kScratchFolder) && it->is_directory(ec))
            for (fs::directory_iterator inner(it->path(), ec); !ec && inner != fs::directory_iterator();
                 inner.increment(ec))
                if (!IsScratchFile(PathToProgramText(inner->path().filename()))) {
                    findings.push_back({name, 0, check_kind::kReservedName,
                                        "\"" + name +
                                            "\" is the folder the program keeps its project scratch "
                                            "files in, and it overwrites files there.",
                                        "Move your files into a folder of another name."});
                    break;
                }
    }
}

// A path the package names whose first name is one the program keeps for itself.
void CheckNamedPath(const std::string& file, size_t line, const std::string& written, CheckFindings& findings) {
    const std::vector<std::string> names = PathNames(written);
    if (names.empty() || !IsReserved(names.front()))
        return;
    findings.push_back({file, line, check_kind::kReservedName,
                        "\"" + written + "\" lies in \"" + names.front() +
                            "\", which the program writes itself: what is there is replaced or deleted.",
                        "Keep the file under another name and name it from there."});
}

} // namespace

void CheckReservedNames(const CheckedPackage& package, CheckFindings& findings) {
    CheckRootEntries(package, findings);
    for (size_t i = 0; i < package.staticLines.size(); ++i)
        CheckNamedPath(kStaticFilesList, i + 1, StripBadSlashes(package.staticLines[i]), findings);
    const auto& sheets = package.ws.stylesheets;
    for (size_t row = 0; row < sheets.size(); ++row)
        CheckNamedPath(kStyleFilesXml, package.FieldLine(kStyleFilesXml, row, "folder"),
                       sheets[row].folder + sheets[row].filename, findings);
    const VariableTables& tables = package.ws.tables;
    const std::string images = TableFileName(TableKind::Images);
    for (size_t row = 0; row < tables.images.size(); ++row)
        CheckNamedPath(images, package.FieldLine(images, row, "folder"), tables.images[row].folder, findings);
    const std::string layouts = TableFileName(TableKind::Layouts);
    for (size_t row = 0; row < tables.layouts.size(); ++row)
        CheckNamedPath(layouts, package.FieldLine(layouts, row, "folder"), tables.layouts[row].folder, findings);
    const std::string menus = TableFileName(TableKind::Menus);
    for (size_t row = 0; row < tables.menus.size(); ++row)
        CheckNamedPath(menus, package.FieldLine(menus, row, "folder"), tables.menus[row].folder, findings);
}

} // namespace quorlex
