#pragma once

#include <filesystem>

namespace quorlex {

namespace fs = std::filesystem;

// Services of the desktop: trash, copies with their dialogs, documents folder.
class Platform {
public:
    virtual ~Platform() = default;
    // Copies one file; an existing target keeps its name and the copy gets a free one.
    virtual bool ShellCopy(const fs::path& from, const fs::path& to, bool silent) = 0;
    // Moves a folder (or file) to the trash without asking.
    virtual bool RecycleFolder(const fs::path& path) = 0;
    // Copies a folder with progress and overwrite questions; false when it failed or was cancelled.
    virtual bool CopyFolderInteractive(const fs::path& from, const fs::path& to) = 0;
    // Opens a file or folder with its default handler (web browser, file manager).
    virtual bool OpenWithDefaultHandler(const fs::path& path) = 0;
    // Opens a web address in the default web browser.
    virtual bool OpenUrl(const std::string& url) = 0;
    // The user's documents folder, else the home folder, else an empty path.
    virtual fs::path GetMyDocumentsFolder() = 0;
};

} // namespace quorlex
