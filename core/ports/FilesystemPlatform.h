#pragma once

#include "ports/Platform.h"
#include "util/FolderCopy.h"

#include <vector>

namespace quorlex {

// Platform on plain std::filesystem: deletes instead of trashing, copies without dialogs. Used by tests and tools that run without a desktop.
class FilesystemPlatform : public Platform {
public:
    bool ShellCopy(const fs::path& from, const fs::path& to, bool silent) override;
    bool RecycleFolder(const fs::path& path) override;
    bool CopyFolderInteractive(const fs::path& from, const fs::path& to) override;
    bool OpenWithDefaultHandler(const fs::path& path) override;
    bool OpenUrl(const std::string& url) override;
    std::string GetMyDocumentsFolder() override;

    std::string documentsFolder;
    FolderCopyQuestions copyQuestions; // answers for the interactive folder copy
    std::vector<fs::path> opened;      // paths given to the default handler
    std::vector<std::string> openedUrls; // web addresses given to the browser
    bool openSucceeds = true;
};

} // namespace quorlex
