#pragma once

#include "ports/Platform.h"

namespace quorlex {

// Platform without a desktop, on plain std::filesystem: deletes instead of trashing, copies
// without dialogs (existing files are kept), opens nothing.
class FilesystemPlatform : public Platform {
public:
    bool ShellCopy(const fs::path& from, const fs::path& to, bool silent) override;
    bool RecycleFolder(const fs::path& path) override;
    bool CopyFolderInteractive(const fs::path& from, const fs::path& to) override;
    bool OpenWithDefaultHandler(const fs::path& path) override;
    bool OpenUrl(const std::string& url) override;
    fs::path GetMyDocumentsFolder() override;
};

} // namespace quorlex
