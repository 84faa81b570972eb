#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorlex {

// Program text is UTF-8. A package's files are UTF-8 or Windows-1252; these functions are the
// one crossing between the two. Decoding and encoding a Windows-1252 file gives its bytes back,
// and UTF-8 passes unchanged (bytes that are no UTF-8 included).
enum class TextEncoding { Utf8, Cp1252 };

// How a character that the file's encoding cannot hold is written.
enum class Escapes {
    Markup, // page, fragment and menu text: "&#x65E5;"; inside <style> as CSS, inside <script> as "\u65E5"
    Css,    // "\65E5 "
    Xml,    // "&#x65E5;"
};

bool IsValidUtf8(std::string_view bytes);

// A charset name as a page, stylesheet or XML file declares it; nothing for names this program
// cannot read. ASCII and ISO-8859-1 read as Windows-1252, as browsers read them.
std::optional<TextEncoding> EncodingFromName(std::string_view name);
const char* EncodingName(TextEncoding encoding);

// A text file that declares nothing: UTF-8 when its bytes are valid UTF-8, else Windows-1252.
TextEncoding DetectEncoding(std::string_view bytes);

// The page's encoding: a UTF-8 byte order mark, else its <meta charset> or http-equiv content
// type, else as detected. Throws Error for a declared name this program cannot read.
TextEncoding PageEncoding(std::string_view page);

// A stylesheet's encoding: a byte order mark, else its "@charset", else the page's when it is
// plain ASCII (a browser reads it in the page's encoding), else as detected.
TextEncoding StyleSheetEncoding(std::string_view css, TextEncoding page);

std::string DecodeText(std::string_view bytes, TextEncoding encoding);
std::string EncodeText(std::string_view text, TextEncoding encoding, Escapes escapes);

// Files the program writes in the package's encoding (menu trees, projects, menu structures).
// A Windows-1252 file holds the characters it has no byte for as "&#x...;" references, which
// read back as the characters.
std::string DecodeOwnText(std::string_view bytes, TextEncoding package);
std::string EncodeOwnText(std::string_view text, TextEncoding package);

} // namespace quorlex
