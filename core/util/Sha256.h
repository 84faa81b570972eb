#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// The SHA-256 digest of the bytes: its 32 bytes, or 64 lower-case hexadecimal digits.
std::string Sha256Digest(std::string_view bytes);
std::string Sha256Hex(std::string_view bytes);

} // namespace quorlex
