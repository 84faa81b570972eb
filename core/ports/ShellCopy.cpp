#include "ports/ShellCopy.h"

#include "ports/Platform.h"
#include "ports/Ui.h"
#include "util/Error.h"

namespace quorlex {

bool ShellCopyFolder(Platform& platform, Ui& ui, const std::filesystem::path& from, const std::filesystem::path& to) {
    try {
        if (platform.CopyFolderInteractive(from, to))
            return true;
        ui.ShowError("Operation Aborted... ");
    } catch (const Error& error) {
        ui.ShowError("Operation Aborted... \r\n" + std::string(error.what()));
    }
    return false;
}

} // namespace quorlex
