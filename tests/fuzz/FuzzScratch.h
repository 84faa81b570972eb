#pragma once

#include <filesystem>
#include <string_view>

namespace quorlex::fuzz {

namespace fs = std::filesystem;

// A private folder under the temp folder for the whole fuzzing run, removed at exit.
const fs::path& ScratchFolder();

// Writes `bytes` to `name` in the scratch folder and returns its path.
fs::path WriteScratchFile(const fs::path& name, std::string_view bytes);

} // namespace quorlex::fuzz
