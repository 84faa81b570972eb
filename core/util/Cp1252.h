#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// The program's text is Windows-1252 bytes; XML and the gui speak UTF-8.
// Characters without a Windows-1252 byte become '?'.
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

} // namespace quorlex
