#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// Windows-1252 bytes as UTF-8. Unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1
// controls of the same value, so every byte comes back unchanged.
std::string Cp1252ToUtf8(std::string_view bytes);

// The Windows-1252 byte of a code point, or -1 when the encoding has none.
int Cp1252ByteOf(char32_t cp);

// Decodes one UTF-8 sequence at text[i] and advances i. Malformed bytes decode as U+FFFD.
char32_t DecodeUtf8(std::string_view text, size_t& i);

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

} // namespace quorlex
