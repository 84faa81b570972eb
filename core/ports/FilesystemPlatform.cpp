#include "ports/FilesystemPlatform.h"

#include "util/FolderCopy.h"

#include <cstdlib>

namespace quorlex {

bool FilesystemPlatform::ShellCopy(const fs::path& from, const fs::path& to, bool) {
    return CopyFileWithRename(from, to);
}

bool FilesystemPlatform::RecycleFolder(const fs::path& path) {
    std::error_code ec;
    return fs::remove_all(path, ec) > 0 && !ec;
}

bool FilesystemPlatform::CopyFolderInteractive(const fs::path& from, const fs::path& to) {
    return CopyFolderWithQuestions(from, to, {});
}

bool FilesystemPlatform::OpenWithDefaultHandler(const fs::path&) { return false; }

bool FilesystemPlatform::OpenUrl(const std::string&) { return false; }

fs::path FilesystemPlatform::GetMyDocumentsFolder() {
    const char* home = std::getenv("HOME");
    return home ? fs::path(home) : fs::path();
}

} // namespace quorlex
