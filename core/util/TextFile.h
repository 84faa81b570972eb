#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

// The largest file the program reads into memory.
constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

// Whole regular file as bytes. Throws Error naming the file and the reason when it cannot
// be opened, is no regular file (a FIFO never blocks), is larger than `maxBytes`, or
// changes its size while it is read.
std::string ReadFileBytes(const fs::path& path, std::size_t maxBytes = kMaxFileBytes);

// The same, or nothing when no file or link has that name: for files whose absence is an
// expected answer. Every other failure throws.
std::optional<std::string> ReadFileIfPresent(const fs::path& path);

// Lines split at CR LF, lone CR and lone LF; a final line break adds no line.
std::vector<std::string> SplitLines(std::string_view text);
std::vector<std::string> ReadLines(const fs::path& path);

// Each line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// The text with every line ending turned into CR LF, the last line ended too.
std::string NormalizeLineEnds(std::string_view text);

// Whether a save waits until the disk holds it. A file the program makes again whenever it needs
// it (the preview page) is only kept whole, which saves the waits.
enum class Durability { Synced, Remade };

// Saves a file so that it is either the old file or the new one, never a mix: a fresh
// temporary file in the same folder (unnamed where the file system allows it, so that a crash
// leaves nothing behind) is written, synced and renamed over the target, and the folder is
// synced. An existing file keeps its permissions. Refuses to write through a
// symbolic link. On failure the temporary file is gone, the old file whole, and Error says why.
void WriteFileAtomic(const fs::path& path, std::string_view bytes, Durability durability = Durability::Synced);

// Writes a file that must not exist yet, the same way, except that the temporary file takes the
// final name only if nothing has that name by then: an existing file or link is never replaced.
void WriteNewFile(const fs::path& path, std::string_view bytes);

// Copies a regular file into `to` the same way, replacing what is there.
// Throws Error when the source changes (size or modification time) while it is copied.
void CopyFileAtomic(const fs::path& from, const fs::path& to, Durability durability = Durability::Synced);

// Writes or copies a file into a folder the program has made for itself and that is seen only
// once complete (a generated site before it takes its place): no temporary file and no sync,
// since the folder as a whole is what appears or not. A write replaces what the folder has
// under that name; a copy fails when the name exists.
void WriteIntoOwnFolder(const fs::path& path, std::string_view bytes);
void CopyIntoOwnFolder(const fs::path& from, const fs::path& to);
// The same, except that where the file system allows, `to` becomes a second name of the very
// file opened as `from` (a hard link): no byte is copied. Only for files that nobody writes in
// place, so that the two names never part: pictures, which editors save as new files.
void LinkIntoOwnFolder(const fs::path& from, const fs::path& to);

// Whether a file name is of the program's own temporary files (".quorlex-<digits>.tmp").
bool IsProgramTemporary(const std::string& name);
// Removes the program's temporary files that a crash left in `folder`.
void RemoveStaleTemporaries(const fs::path& folder);
// Waits until everything written to the file system of `folder` is on the disk.
void SyncFileSystemOf(const fs::path& folder);

// The message of a failed file operation, in the form users see it.
std::string FileErrorText(const fs::path& path, const std::string& action, int errorCode);

} // namespace quorlex
