#pragma once

#include <cstdint>
#include <string>

namespace quorlex {

// A file size as people read it: "512 bytes", "14.2 KB", "28.7 MB" (1024 to a kilobyte).
std::string FileSizeText(std::uint64_t bytes);

} // namespace quorlex
