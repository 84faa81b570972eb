#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// The SHA-256 digest of the bytes, as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

} // namespace quorlex
