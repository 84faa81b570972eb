#include "app/ProgramFolders.h"

#include "util/UserHome.h"

#include <cstdlib>
#include <unistd.h>

namespace quorlex {

namespace {

constexpr const char* kName = "quorlex";

} // namespace

ProgramFolders ProgramFolders::InPlace(const fs::path& folder) { return {folder, folder}; }

ProgramFolders ProgramFolders::Choose(const fs::path& executableFolder, const fs::path& userDataHome,
                                      const WritableCheck& canWrite) {
    const fs::path folder = executableFolder.has_filename() ? executableFolder : executableFolder.parent_path();
    const fs::path perUser = userDataHome / kName;
    std::error_code ec;
    const fs::path installed = folder.parent_path() / "share" / kName;
    // A system-wide copy belongs to the package manager, even when root runs the program.
    if (folder.filename() == "bin" && fs::is_directory(installed / "templates", ec))
        return {installed, perUser};
    if (canWrite(folder) && canWrite(folder / "templates"))
        return InPlace(folder);
    return {folder, perUser};
}

bool ProgramFolders::CanWrite(const fs::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

fs::path ProgramFolders::UserDataHome(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute())
        return xdgDataHome;
    return fs::path(home ? home : "") / ".local" / "share";
}

fs::path ProgramFolders::UserDataHome() { return UserDataHome(std::getenv("XDG_DATA_HOME"), UserHomeFolder().c_str()); }

} // namespace quorlex
