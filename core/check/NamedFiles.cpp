#include "check/NamedFiles.h"

#include "check/CheckPasses.h"
#include "util/PathUtils.h"
#include "workspace/TableFiles.h"

#include <algorithm>

namespace quorlex {

void NoteLocatedFile(CheckFindings& findings, const std::string& file, size_t line, const std::string& what,
                     const std::string& written, const LocatedFile& located) {
    switch (located.state) {
    case FileState::Found: return;
    case FileState::Missing:
        findings.push_back({file, line, check_kind::kMissingFile,
                            what + " names \"" + written + "\", which the template's folder lacks.",
                            "Add the file, or correct the name to that of a file the template has."});
        return;
    case FileState::CaseDiffers:
        findings.push_back({file, line, check_kind::kFileCase,
                            what + " names \"" + written + "\", but the file is \"" + located.actual +
                                "\"; a web server tells the two apart.",
                            "Write \"" + located.actual + "\", or rename the file to match."});
        return;
    case FileState::Outside:
        findings.push_back({file, line, check_kind::kOutsidePackage,
                            what + " names \"" + written + "\", which lies outside the template's folder.",
                            "Put the file inside the template's folder and name it from there."});
        return;
    }
}

namespace {

void CheckFile(const CheckedPackage& package, CheckFindings& findings, const std::string& file, size_t line,
               const std::string& what, const std::string& written) {
    NoteLocatedFile(findings, file, line, what, written, LocatePackageFile(package.folder, written));
}

} // namespace

void CheckNamedFiles(const CheckedPackage& package, CheckFindings& findings) {
    const VariableTables& tables = package.ws.tables;
    const auto& sheets = package.ws.stylesheets;
    for (size_t row = 0; row < sheets.size(); ++row)
        CheckFile(package, findings, kStyleFilesXml, package.FieldLine(kStyleFilesXml, row, "filename"),
                  "The stylesheet \"" + sheets[row].title + "\"", sheets[row].folder + sheets[row].filename);
    const std::string layouts = TableFileName(TableKind::Layouts);
    for (size_t row = 0; row < tables.layouts.size(); ++row)
        CheckFile(package, findings, layouts, package.FieldLine(layouts, row, "default"),
                  "The layout \"" + tables.layouts[row].title + "\"",
                  tables.layouts[row].folder + tables.layouts[row].choice + ".lyo");
    const std::string images = TableFileName(TableKind::Images);
    for (size_t row = 0; row < tables.images.size(); ++row)
        if (!tables.images[row].url.empty())
            CheckFile(package, findings, images, package.FieldLine(images, row, "url"),
                      "The image \"" + tables.images[row].title + "\"",
                      tables.images[row].folder + tables.images[row].url);
    const std::string menus = TableFileName(TableKind::Menus);
    for (size_t row = 0; row < tables.menus.size(); ++row)
        CheckFile(package, findings, menus, package.FieldLine(menus, row, "folder"),
                  "The menu \"" + tables.menus[row].title + "\"", tables.menus[row].folder + "menu.lyo");
    for (size_t i = 0; i < package.staticLines.size(); ++i) {
        const std::string written = StripBadSlashes(package.staticLines[i]);
        if (!written.empty())
            CheckFile(package, findings, kStaticFilesList, i + 1, "The line", written);
    }
}

} // namespace quorlex
