#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorlex {

namespace fs = std::filesystem;

// Names on this system are UTF-8, and so is the program's text. These are the only crossings
// between the two, so a system with other names changes only here.

// A name written in a package file or typed as program text, as the native file name.
std::string NativeNameFromPackageText(std::string_view text);

// A native file name as program text.
std::string PackageTextFromNativeName(std::string_view name);

// A path for a message shown to the user.
std::string PathToProgramText(const fs::path& path);

// Case folding of a whole UTF-8 name, for matching names without regard to letter case.
std::u32string FoldNativeName(std::string_view name);

} // namespace quorlex
