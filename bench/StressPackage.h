#pragma once

#include <filesystem>

namespace quorlex::bench {

// Writes a large package into `folder`: a page of over 1 MB, 300 variables over the five
// tables and a menu of 500 items.
void WriteStressPackage(const std::filesystem::path& folder);

} // namespace quorlex::bench
