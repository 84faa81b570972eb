#pragma once

#include <string>

namespace quorlex {

// The encodings a package's XML files come in. Files declared iso-8859-1, latin-1 or
// windows-1252 (in any spelling) are all read and written as Windows-1252, which is what the
// systems that make them write.
enum class XmlEncoding { Utf8, Utf8WithBom, Cp1252, Utf16LE, Utf16BE };

// From the byte order mark, the byte pattern of a UTF-16 "<?", or the declaration.
XmlEncoding DetectXmlEncoding(const std::string& bytes);

// The document as UTF-8 without a byte order mark, ready for the parser.
std::string DecodeXmlToUtf8(std::string bytes, XmlEncoding encoding);

// UTF-8 text back in the file's encoding; UTF-16 gets a byte order mark.
std::string EncodeXmlFromUtf8(const std::string& utf8, XmlEncoding encoding);

// Length of the well-formed reference that starts with the "&" at text[ampersand] ("&amp;",
// "&#38;", "&#x26;"), or 0 when that "&" starts none.
size_t XmlReferenceLength(const std::string& text, size_t ampersand);

} // namespace quorlex
