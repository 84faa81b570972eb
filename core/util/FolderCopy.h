#pragma once

#include <filesystem>
#include <functional>

namespace quorlex {

namespace fs = std::filesystem;

// Copies the content of `from` into `to`, down into subfolders. Existing files are never
// replaced; files that cannot be copied and folders that cannot be created are skipped. A
// folder of `to` that is a symbolic link is not copied into: the rest is copied, then Error
// names it. `pump` runs before each entry so the window stays responsive.
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
// folder, otherwise to `to` itself, with CopyFolderContents.
bool CopyFolderWithQuestions(const fs::path& from, const fs::path& to, const FolderCopyQuestions& questions);

// Copies the content of `from` into the folder `root` of the user's, made when missing: an
// existing file is replaced only after the question, the program's stale temporary files go,
// and the file system is synced once at the end. Returns false when the user cancelled.
// Throws Error, before anything is written, when a folder or file below `root` is a symbolic
// link, and with the system's reason when a folder cannot be made or a file cannot be copied.
bool CopyFolderContents(const fs::path& from, const fs::path& root, const FolderCopyQuestions& questions);

// Puts the complete folder `fresh` in the place of `target` in one step where the file system
// can exchange the two (a reader sees the old folder or the new one, never a half). `fresh`
// must be on the same file system. Returns where the old folder is now, for the caller to
// delete (empty when there was none). Throws Error when the new folder cannot take the place;
// the old one then stays.
fs::path ReplaceFolder(const fs::path& fresh, const fs::path& target);

// Makes `to` (replacing what it held) show the files of `from` as they are now, also after
// `from` is made again: each regular file hard-linked, or copied where the file system has no
// links; symbolic links are left out. For folders the program writes only by making files anew.
// Throws Error with the file and the system's reason.
void SnapshotFolder(const fs::path& from, const fs::path& to);

} // namespace quorlex
