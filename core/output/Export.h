#pragma once

#include <filesystem>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;
class Platform;
class Ui;

enum class ExportOutcome { NoTarget, Copied, Aborted, Failed };

// Copies the output folder into the target folder given as typed (target/<output folder
// name>), with the platform's progress and overwrite questions. Tells the user about every
// outcome but success.
ExportOutcome ExportOutputFolder(const fs::path& outputFolder, const std::string& targetText, Platform& platform,
                                 Ui& ui);

enum class NewFolderOutcome { EmptyName, NoBase, Created, Failed };

struct NewFolder {
    NewFolderOutcome outcome;
    fs::path folder; // the created folder when Created
};

// "create": makes `name` (untrimmed; "\" and "/" nest folders) inside `base`.
NewFolder CreateTargetFolder(const fs::path& base, const std::string& name, Ui& ui);

} // namespace quorlex
