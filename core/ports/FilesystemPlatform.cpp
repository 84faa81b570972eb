#include "ports/FilesystemPlatform.h"

#include "util/FolderCopy.h"

namespace quorlex {

bool FilesystemPlatform::ShellCopy(const fs::path& from, const fs::path& to, bool) {
    return CopyFileWithRename(from, to);
}

bool FilesystemPlatform::RecycleFolder(const fs::path& path) {
    std::error_code ec;
    return fs::remove_all(path, ec) > 0 && !ec;
}

bool FilesystemPlatform::CopyFolderInteractive(const fs::path& from, const fs::path& to) {
    return CopyFolderWithQuestions(from, to, copyQuestions);
}

bool FilesystemPlatform::OpenWithDefaultHandler(const fs::path& path) {
    opened.push_back(path);
    return openSucceeds;
}

bool FilesystemPlatform::OpenUrl(const std::string& url) {
    openedUrls.push_back(url);
    return openSucceeds;
}

std::string FilesystemPlatform::GetMyDocumentsFolder() { return documentsFolder; }

} // namespace quorlex
