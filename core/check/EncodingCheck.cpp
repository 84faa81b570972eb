#include "check/EncodingCheck.h"

#include "check/PackageFiles.h"
#include "util/Error.h"
#include "workspace/XmlEncoding.h"

#include <algorithm>

namespace quorlex {
namespace {

bool HasNonAscii(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool HasByteOrderMark(std::string_view bytes) { return bytes.substr(0, 3) == "\xEF\xBB\xBF"; }

// Notes bytes that the encoding the file is read in does not fit.
void CompareWithBytes(const std::string& file, size_t line, std::string_view bytes, TextEncoding read,
                      CheckFindings& findings) {
    if (read == TextEncoding::Utf8 && !IsValidUtf8(bytes))
        findings.push_back({file, line, check_kind::kEncoding,
                            "The file declares UTF-8, but its bytes are not valid UTF-8.",
                            "Save the file as UTF-8, or declare the encoding it is saved in (windows-1252)."});
    else if (read == TextEncoding::Cp1252 && HasNonAscii(bytes) && IsValidUtf8(bytes))
        findings.push_back({file, line, check_kind::kEncoding,
                            "The file declares Windows-1252, but its bytes are UTF-8: its letters will show garbled.",
                            "Declare UTF-8 in the file, or save it as Windows-1252."});
}

// The name of an XML declaration's encoding, or empty text.
std::string XmlDeclaredName(std::string_view bytes) {
    if (bytes.substr(0, 5) != "<?xml")
        return {};
    const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
    const size_t at = declaration.find("encoding");
    const size_t open = declaration.find_first_of("\"'", at);
    if (at == std::string_view::npos || open == std::string_view::npos)
        return {};
    const size_t close = declaration.find(declaration[open], open + 1);
    return close == std::string_view::npos ? std::string()
                                           : std::string(declaration.substr(open + 1, close - open - 1));
}

void NoteUnknownName(const std::string& file, const std::string& name, CheckFindings& findings) {
    findings.push_back({file, 1, check_kind::kEncoding,
                        "The file declares the encoding \"" + name + "\", which Quorlex cannot read.",
                        "Save the file as UTF-8 or Windows-1252 and declare that."});
}

} // namespace

TextEncoding CheckPageEncoding(const std::string& file, std::string_view bytes, CheckFindings& findings) {
    if (HasByteOrderMark(bytes)) {
        CompareWithBytes(file, 1, bytes, TextEncoding::Utf8, findings);
        return TextEncoding::Utf8;
    }
    const size_t line = std::max<size_t>(1, LineOfText(bytes.substr(0, 8192), "charset"));
    try {
        const TextEncoding read = PageEncoding(bytes);
        CompareWithBytes(file, line, bytes, read, findings);
        return read;
    } catch (const Error& error) {
        findings.push_back({file, line, check_kind::kEncoding, error.what(),
                            "Save the page as UTF-8 or Windows-1252 and declare that in its <meta charset>."});
        return DetectEncoding(bytes);
    }
}

void CheckStyleSheetEncoding(const std::string& file, std::string_view bytes, TextEncoding page,
                             CheckFindings& findings) {
    constexpr std::string_view kCharset = "@charset \"";
    if (bytes.substr(0, kCharset.size()) == kCharset) {
        const size_t close = bytes.find('"', kCharset.size());
        const std::string name(bytes.substr(kCharset.size(), close - kCharset.size()));
        if (close != std::string_view::npos && !EncodingFromName(name)) {
            NoteUnknownName(file, name, findings);
            return;
        }
    }
    CompareWithBytes(file, 1, bytes, StyleSheetEncoding(bytes, page), findings);
}

void CheckXmlEncoding(const std::string& file, std::string_view bytes, CheckFindings& findings) {
    const std::string text(bytes);
    const XmlEncoding read = DetectXmlEncoding(text);
    if (read == XmlEncoding::Utf16LE || read == XmlEncoding::Utf16BE)
        return;
    const std::string name = XmlDeclaredName(bytes);
    if (read != XmlEncoding::Utf8WithBom && !name.empty() && !EncodingFromName(name)) {
        NoteUnknownName(file, name, findings);
        return;
    }
    CompareWithBytes(file, 1, bytes, read == XmlEncoding::Cp1252 ? TextEncoding::Cp1252 : TextEncoding::Utf8, findings);
}

} // namespace quorlex
