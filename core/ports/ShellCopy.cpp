#include "ports/ShellCopy.h"

#include "ports/Platform.h"
#include "ports/Ui.h"

namespace quorlex {

bool ShellCopyFolder(Platform& platform, Ui& ui, const std::filesystem::path& from, const std::filesystem::path& to) {
    if (platform.CopyFolderInteractive(from, to))
        return true;
    ui.ShowError("Operation Aborted... ");
    return false;
}

} // namespace quorlex
