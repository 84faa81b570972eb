#include "output/Export.h"

#include "ports/Platform.h"
#include "ports/Ui.h"
#include "util/Error.h"
#include "util/FolderCopy.h"
#include "util/NativeNames.h"
#include "util/PackagePath.h"
#include "util/PathUtils.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace quorlex {

namespace {

constexpr const char* kAborted = "Operation Aborted... ";

// "Cannot create the folder "/x/template". File exists"
std::string FolderReason(const char* cannot, const fs::path& folder, int code) {
    return std::string(cannot) + " \"" + PathToProgramText(folder) + "\". " + std::strerror(code);
}

} // namespace

std::string CopyFailureReason(const fs::path& target, const fs::path& copyRoot) {
    std::error_code ec;
    const fs::file_status status = fs::status(copyRoot, ec);
    if (fs::exists(status) && !fs::is_directory(status))
        return FolderReason("Cannot create the folder", copyRoot, EEXIST);
    const bool exists = fs::exists(status);
    const fs::path& folder = exists ? copyRoot : target;
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return FolderReason(exists ? "Cannot write into the folder" : "Cannot create a folder in", folder, errno);
    return {};
}

ExportOutcome ExportOutputFolder(const fs::path& outputFolder, const fs::path& target, const fs::path& templatesFolder,
                                 Platform& platform, Ui& ui) {
    if (TrimControls(target.string()).empty()) {
        ui.Inform("No target Folder Selected!");
        return ExportOutcome::NoTarget;
    }
    std::error_code ec;
    // A copy into itself would never end; a missing target would take the output's place.
    if (!fs::is_directory(outputFolder, ec) || !fs::is_directory(target, ec) || IsInsideFolder(target, outputFolder)) {
        ui.ShowError("Error: Cannot Copy Files.");
        return ExportOutcome::Failed;
    }
    if (IsInsideFolder(target, templatesFolder)) {
        ui.ShowError("Error: Cannot Copy Files.\r\nThe folder \"" + PathToProgramText(target) +
                     "\" is inside the templates folder; the finished files never go into a template.");
        return ExportOutcome::Failed;
    }
    try {
        if (platform.CopyFolderInteractive(outputFolder, target))
            return ExportOutcome::Copied;
    } catch (const Error& error) {
        ui.ShowError(kAborted + ("\r\n" + std::string(error.what())));
        return ExportOutcome::Aborted;
    }
    const std::string reason = CopyFailureReason(target, target / outputFolder.filename());
    ui.ShowError(reason.empty() ? std::string(kAborted) : kAborted + ("\r\n" + reason));
    return ExportOutcome::Aborted;
}

NewFolder CreateTargetFolder(const fs::path& base, const std::string& name, Ui& ui) {
    // `name` is a native name typed by the user.
    if (TrimControls(name).empty()) {
        ui.Inform("Please, fill in the name for the new folder!");
        return {NewFolderOutcome::EmptyName, {}};
    }
    std::error_code ec;
    if (base.empty() || !fs::is_directory(base, ec))
        return {NewFolderOutcome::NoBase, {}};
    std::string nested = name;
    std::replace(nested.begin(), nested.end(), '\\', '/');
    fs::path folder = fs::path(base.string() + "/" + nested).lexically_normal();
    if (!folder.has_filename())
        folder = folder.parent_path();
    fs::create_directories(folder, ec);
    const std::string reason = ec ? ec.message() : "";
    if (ec || !fs::is_directory(folder, ec)) {
        ui.ShowError("Error creating subfolder \"" + PackageTextFromNativeName(name) + "\"" +
                     (reason.empty() ? "" : "\r\n" + reason));
        return {NewFolderOutcome::Failed, {}};
    }
    return {NewFolderOutcome::Created, folder};
}

} // namespace quorlex
