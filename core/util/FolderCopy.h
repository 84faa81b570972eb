#pragma once

#include <filesystem>
#include <functional>

namespace quorlex {

namespace fs = std::filesystem;

// Copies the content of `from` into `to`, down into subfolders. Existing files are never
// replaced; files that cannot be copied and folders that cannot be created are skipped.
// `pump` runs before each entry so the window stays responsive.
void CopyFolderTree(const fs::path& from, const fs::path& to, const std::function<void()>& pump = nullptr);

// "name (copy).ext", "name (copy 2).ext", ... : the first that does not exist in the folder.
fs::path FreeCopyName(const fs::path& target);

// Copies one file; when the target exists the copy goes to FreeCopyName(target).
bool CopyFileWithRename(const fs::path& from, const fs::path& to);

enum class OverwriteAnswer { Yes, YesToAll, No, Cancel };

struct FolderCopyQuestions {
    std::function<OverwriteAnswer(const fs::path& target)> askOverwrite;
    // Called before each file with the count done and the total; false cancels.
    std::function<bool(size_t done, size_t total)> progress;
};

// Copies folder `from` as a shell does: into `to`/<name of from> when `to` is an existing
// folder, otherwise to `to` itself. Returns false when a copy failed or the user cancelled.
bool CopyFolderWithQuestions(const fs::path& from, const fs::path& to, const FolderCopyQuestions& questions);

} // namespace quorlex
