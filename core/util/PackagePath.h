#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quorlex {

namespace fs = std::filesystem;

// The one way to a file of a package, a preset folder or an output folder. A path written in
// a package ("images\logo.gif", "menus/main/menu.lyo"; "\" and "/" both separate) is program
// text: each component is converted to its native name, and a component that does not exist
// under its exact name is matched without regard to letter case, as on the system packages
// are made on (the smallest name wins when several differ only in case). The result must stay
// inside the root once symbolic links are resolved.
class PackagePathResolver {
public:
    explicit PackagePathResolver(fs::path root);

    // The native path of an existing or future file. Throws Error when the path is absolute,
    // names a drive, climbs out with "..", or leads outside the root through a link.
    fs::path Resolve(std::string_view relative);
    // The same, or nothing where Resolve throws: for callers to whom a path leading outside
    // is an expected answer.
    std::optional<fs::path> ResolveIfInside(std::string_view relative);

private:
    const std::map<std::u32string, std::string>& Listing(const fs::path& folder);

    fs::path m_root;
    fs::path m_canonicalRoot;
    std::map<fs::path, std::map<std::u32string, std::string>> m_listings; // folder -> folded -> name
};

// PackagePathResolver(root).Resolve(relative).
fs::path ResolvePackagePath(const fs::path& root, std::string_view relative);
std::optional<fs::path> ResolvePackagePathIfInside(const fs::path& root, std::string_view relative);

// The same path joined under `root` by exact names, for files about to be made; containment
// is checked as for ResolvePackagePath.
fs::path JoinPackagePath(const fs::path& root, std::string_view relative);

// The same for a folder the program has just made for itself, which holds no link: the path is
// checked for "..", drives and absolute names, but not resolved on the disk.
fs::path JoinInOwnFolder(const fs::path& root, std::string_view relative);

// False when a package path is absolute, names a drive or climbs out with "..".
bool StaysInsideFolder(std::string_view relative);

// True when `path`, with its links resolved, lies inside `folder` (or is it).
bool IsInsideFolder(const fs::path& path, const fs::path& folder);

} // namespace quorlex
