#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorlex {

// Standard base64 with padding.
std::string Base64Encode(std::string_view bytes);
// The bytes again, or nothing for text that is not base64 (padding may be left off).
std::optional<std::string> Base64Decode(std::string_view text);

} // namespace quorlex
