#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

// Where a path written in a package leads.
enum class FileState { Found, CaseDiffers, Missing, Outside };

struct LocatedFile {
    FileState state = FileState::Missing;
    fs::path path;      // the file, when found
    std::string actual; // its name from the package root, "/" separated, when found
};

// Finds a package path ("\" or "/" separated) the way loading does: names that differ only in
// letter case are matched, and the result says so.
LocatedFile LocatePackageFile(const fs::path& root, std::string_view relative);

// The path's names, "." and empty ones left out.
std::vector<std::string> PathNames(std::string_view relative);
std::string JoinNames(const std::vector<std::string>& names);

// The line, counted from 1, that holds `offset`.
size_t LineAt(std::string_view text, size_t offset);
// The line of the first occurrence of `needle`, letter case ignored; 0 when there is none.
size_t LineOfText(std::string_view text, std::string_view needle);

} // namespace quorlex
