#pragma once

#include <filesystem>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;
class Platform;
class Ui;

// Declined: the user chose not to export after the site check's question.
enum class ExportOutcome { NoTarget, Declined, Copied, Aborted, Failed };

// What the export page shows around an export.
class ExportView {
public:
    virtual ~ExportView() = default;
    virtual void SetBrowserVisible(bool visible) = 0;
    virtual void ShowFolder(const fs::path& folder) = 0;
};

// Why a copy into `copyRoot`, a new or existing folder in `target`, cannot be written, in the
// system's words; empty when nothing stands in its way (the user cancelled).
std::string CopyFailureReason(const fs::path& target, const fs::path& copyRoot);

// Copies the output folder into the target folder (target/<output folder name>), with the
// platform's progress and overwrite questions. A target inside the output folder or the
// templates folder is refused. Tells the user about every outcome but success; an aborted
// copy names the system's reason on a second line when there is one.
ExportOutcome ExportOutputFolder(const fs::path& outputFolder, const fs::path& target, const fs::path& templatesFolder,
                                 Platform& platform, Ui& ui);

enum class NewFolderOutcome { EmptyName, NoBase, Created, Failed };

struct NewFolder {
    NewFolderOutcome outcome;
    fs::path folder; // the created folder when Created
};

// "create": makes `name` (a native name, untrimmed; "\" and "/" nest folders) inside `base`.
NewFolder CreateTargetFolder(const fs::path& base, const std::string& name, Ui& ui);

} // namespace quorlex
