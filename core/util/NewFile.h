#pragma once

#include <filesystem>
#include <string_view>

namespace quorlex {

namespace fs = std::filesystem;

// Writes a file that must not exist yet: the bytes go to a temporary file in the same folder,
// which then takes the final name only if nothing has that name by then. Never replaces or
// writes through an existing file or link; throws Error on failure, leaving no temporary file.
void WriteNewFile(const fs::path& path, std::string_view bytes);

} // namespace quorlex
