#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

// Wildcard match ("*", "?") without regard to case; "*.*" matches every name.
bool MatchesMask(std::string_view name, std::string_view mask);

// Names are program text (converted from the native names), as the tables hold them.

// Names of the entries of `folder` matching `mask`, files and folders alike, each without
// its last four characters, in case-insensitive name order. A missing folder gives none.
std::vector<std::string> ListFileTitles(const fs::path& folder, std::string_view mask);

// Full names of the matching entries, "." and ".." included when the mask matches them.
std::vector<std::string> ListFileNames(const fs::path& folder, std::string_view mask);

} // namespace quorlex
