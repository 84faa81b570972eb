#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// Trims blanks and control characters, then one leading "/" and one leading "\",
// then every trailing "/" followed by every trailing "\".
std::string StripBadSlashes(std::string_view text);

// Removes leading and trailing characters with codes 32 or lower.
std::string_view TrimControls(std::string_view text);

} // namespace quorlex
