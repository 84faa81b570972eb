#pragma once

#include <filesystem>
#include <string_view>

namespace quorlex {

namespace fs = std::filesystem;

// Maps a path written in a package ("images\logo.gif", "menus/main/menu.lyo") to a native
// path under `root`. "\" and "/" both separate; a component that does not exist under its
// exact name is matched case-insensitively, as on the system the packages are made on.
// Throws Error when the path is absolute, names a drive or climbs out with "..".
fs::path ResolvePackagePath(const fs::path& root, std::string_view relative);

// The same path joined under `root` without looking at the disk; for files about to be made.
// Throws Error like ResolvePackagePath.
fs::path JoinPackagePath(const fs::path& root, std::string_view relative);

// False when a package path is absolute, names a drive or climbs out with "..".
bool StaysInsideFolder(std::string_view relative);

// True when two names are equal without regard to letter case.
bool SameNameNoCase(std::string_view a, std::string_view b);

} // namespace quorlex
