#include "workspace/XmlEncoding.h"

#include "util/Cp1252.h"
#include "util/TextEncoding.h"

#include <algorithm>
#include <cctype>

namespace quorlex {
namespace {

bool StartsWith(const std::string& bytes, const char* prefix, size_t length) {
    return bytes.size() >= length && bytes.compare(0, length, prefix, length) == 0;
}

std::string DeclaredEncoding(const std::string& bytes) {
    if (!StartsWith(bytes, "<?xml", 5))
        return {};
    const size_t end = bytes.find("?>");
    const size_t at = bytes.find("encoding", 5);
    if (end == std::string::npos || at == std::string::npos || at > end)
        return {};
    const size_t open = bytes.find_first_of("\"'", at);
    if (open == std::string::npos || open > end)
        return {};
    const size_t close = bytes.find(bytes[open], open + 1);
    if (close == std::string::npos || close > end)
        return {};
    std::string name = bytes.substr(open + 1, close - open - 1);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
}

bool IsCp1252Family(const std::string& name) {
    static const char* const names[] = {"windows-1252", "cp1252", "x-cp1252", "cp-1252", "iso-8859-1", "iso8859-1",
                                        "iso_8859-1",   "latin1", "latin-1",  "l1",      "cp819",      "ibm819"};
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

std::string Utf16ToUtf8(const std::string& bytes, bool bigEndian) {
    const size_t skip = bytes.size() >= 2 && (static_cast<unsigned char>(bytes[0]) == 0xFF ||
                                              static_cast<unsigned char>(bytes[0]) == 0xFE)
                            ? 2
                            : 0;
    auto unit = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    for (size_t i = skip; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Utf8ToUtf16(const std::string& utf8, bool bigEndian) {
    std::string out = bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE");
    auto put = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra && i + static_cast<size_t>(k) < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]) & 0x3F);
        i += static_cast<size_t>(extra) + 1;
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ':' || c == '.' || c == '-';
}

} // namespace

size_t XmlReferenceLength(const std::string& text, size_t ampersand) {
    size_t i = ampersand + 1;
    const bool numeric = i < text.size() && text[i] == '#';
    const bool hex = numeric && i + 1 < text.size() && text[i + 1] == 'x'; // XML knows no "&#X"
    i += numeric + hex;
    const size_t start = i;
    while (i < text.size() && (hex       ? std::isxdigit(static_cast<unsigned char>(text[i]))
                               : numeric ? std::isdigit(static_cast<unsigned char>(text[i]))
                                         : IsNameChar(text[i])))
        ++i;
    return i > start && i < text.size() && text[i] == ';' ? i + 1 - ampersand : 0;
}

XmlEncoding DetectXmlEncoding(const std::string& bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF", 3))
        return XmlEncoding::Utf8WithBom;
    if (StartsWith(bytes, "\xFF\xFE", 2) || StartsWith(bytes, "<\0?\0", 4))
        return XmlEncoding::Utf16LE;
    if (StartsWith(bytes, "\xFE\xFF", 2) || StartsWith(bytes, "\0<\0?", 4))
        return XmlEncoding::Utf16BE;
    return IsCp1252Family(DeclaredEncoding(bytes)) ? XmlEncoding::Cp1252 : XmlEncoding::Utf8;
}

std::string DecodeXmlToUtf8(std::string bytes, XmlEncoding encoding) {
    switch (encoding) {
    case XmlEncoding::Utf8: return bytes;
    case XmlEncoding::Utf8WithBom: return bytes.substr(3);
    case XmlEncoding::Cp1252: return Cp1252ToUtf8(bytes);
    case XmlEncoding::Utf16LE: return Utf16ToUtf8(bytes, false);
    case XmlEncoding::Utf16BE: return Utf16ToUtf8(bytes, true);
    }
    return bytes;
}

std::string EncodeXmlFromUtf8(const std::string& utf8, XmlEncoding encoding) {
    switch (encoding) {
    case XmlEncoding::Utf8: return utf8;
    case XmlEncoding::Utf8WithBom: return "\xEF\xBB\xBF" + utf8;
    case XmlEncoding::Cp1252: return EncodeText(utf8, TextEncoding::Cp1252, Escapes::Xml);
    case XmlEncoding::Utf16LE: return Utf8ToUtf16(utf8, false);
    case XmlEncoding::Utf16BE: return Utf8ToUtf16(utf8, true);
    }
    return utf8;
}

} // namespace quorlex
