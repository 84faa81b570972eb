#include "output/Export.h"

#include "ports/Platform.h"
#include "ports/Ui.h"
#include "util/FolderCopy.h"
#include "util/PathUtils.h"

#include <algorithm>

namespace quorlex {
namespace {

bool IsInside(const fs::path& path, const fs::path& folder) {
    std::error_code ec;
    const fs::path a = fs::weakly_canonical(path, ec);
    const fs::path b = fs::weakly_canonical(folder, ec);
    auto mismatch = std::mismatch(b.begin(), b.end(), a.begin(), a.end());
    return mismatch.first == b.end();
}

} // namespace

ExportOutcome ExportOutputFolder(const fs::path& outputFolder, const std::string& targetText, Platform& platform,
                                 Ui& ui) {
    if (TrimControls(targetText).empty()) {
        ui.Inform("No target Folder Selected!");
        return ExportOutcome::NoTarget;
    }
    const fs::path target(targetText);
    std::error_code ec;
    // A copy into itself would never end; a missing target would take the output's place.
    if (!fs::is_directory(outputFolder, ec) || !fs::is_directory(target, ec) || IsInside(target, outputFolder)) {
        ui.ShowError("Error: Cannot Copy Files.");
        return ExportOutcome::Failed;
    }
    return ShellCopyFolder(platform, ui, outputFolder, target) ? ExportOutcome::Copied : ExportOutcome::Aborted;
}

NewFolder CreateTargetFolder(const fs::path& base, const std::string& name, Ui& ui) {
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
    if (ec || !fs::is_directory(folder, ec)) {
        ui.ShowError("Error creating subfolder \"" + name + "\"");
        return {NewFolderOutcome::Failed, {}};
    }
    return {NewFolderOutcome::Created, folder};
}

} // namespace quorlex
