#include "app/ShippedTemplates.h"

#include "util/PackageText.h"
#include "util/Error.h"
#include "util/PackagePath.h"
#include "util/TextFile.h"
#include "util/UserMessage.h"

#include <algorithm>
#include <string>
#include <vector>

namespace quorlex {

namespace {

// The packages already offered to this data folder, one folder name a line.
constexpr const char* kOfferedFile = "shipped_templates.lst";

std::vector<std::string> ListedFolders(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec))
        return {};
    std::vector<std::string> folders;
    for (const auto& line : ReadTextLines(file))
        if (!line.empty())
            folders.push_back(line);
    return folders;
}

bool Contains(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// Folders and regular files; links and other kinds of entries are not part of a package.
void CopyPackage(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const auto& entry : fs::directory_iterator(from)) {
        const fs::path target = to / entry.path().filename();
        if (entry.is_symlink())
            continue;
        if (entry.is_directory())
            CopyPackage(entry.path(), target);
        else if (entry.is_regular_file())
            CopyFileAtomic(entry.path(), target);
    }
}

// A copy cut short (a full disk, a crash) leaves no half package under the package's name: it
// is made in a folder of the program's own in the data folder, whose name no package has, and
// renamed into place when complete.
void CopyWhole(const fs::path& from, const fs::path& to, const fs::path& staging) {
    const fs::path partial = staging / to.filename();
    std::error_code ignored;
    fs::remove_all(staging, ignored);
    try {
        CopyPackage(from, partial);
        fs::rename(partial, to);
    } catch (...) {
        fs::remove_all(staging, ignored);
        throw;
    }
    fs::remove_all(staging, ignored);
}

} // namespace

void AddShippedTemplates(const fs::path& programFolder, const fs::path& dataFolder) {
    const fs::path shipped = programFolder / "templates";
    const fs::path user = dataFolder / "templates";
    fs::create_directories(user);
    const fs::path offeredFile = dataFolder / kOfferedFile;
    const fs::path catalogFile = user / "templates.tps";
    std::error_code ec;
    const bool hadCatalog = fs::exists(catalogFile, ec);
    std::vector<std::string> offered = ListedFolders(offeredFile);
    std::vector<std::string> listed = ListedFolders(catalogFile);
    const std::size_t offeredBefore = offered.size();
    const std::size_t listedBefore = listed.size();
    // One package that cannot be copied does not keep the others from the user.
    std::string failure;
    for (const auto& folder : ListedFolders(ResolvePackagePath(shipped, "templates.tps"))) {
        if (Contains(offered, folder))
            continue;
        try {
            const fs::path target = JoinPackagePath(user, folder);
            if (!fs::exists(target, ec))
                CopyWhole(ResolvePackagePath(shipped, folder), target, dataFolder / ".quorlex-staging");
        } catch (const std::exception& error) {
            if (failure.empty())
                failure = UserMessage(error);
            continue;
        }
        if (!Contains(listed, folder))
            listed.push_back(folder);
        offered.push_back(folder);
    }
    if (listed.size() != listedBefore || !hadCatalog)
        WriteFileAtomic(catalogFile, JoinLines(listed));
    if (offered.size() != offeredBefore)
        WriteFileAtomic(offeredFile, JoinLines(offered));
    if (!failure.empty())
        throw Error(failure);
}

} // namespace quorlex
