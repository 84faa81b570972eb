#pragma once

#include "ports/Platform.h"

class QWidget;

namespace quorlex {

// The desktop services: freedesktop trash, copies with progress dialogs, documents folder.
class QtPlatform : public Platform {
public:
    void SetWindow(QWidget* window) { m_window = window; }

    bool ShellCopy(const fs::path& from, const fs::path& to, bool silent) override;
    bool RecycleFolder(const fs::path& path) override;
    bool CopyFolderInteractive(const fs::path& from, const fs::path& to) override;
    bool OpenWithDefaultHandler(const fs::path& path) override;
    bool OpenUrl(const std::string& url) override;
    fs::path GetMyDocumentsFolder() override;

private:
    QWidget* m_window = nullptr;
};

} // namespace quorlex
