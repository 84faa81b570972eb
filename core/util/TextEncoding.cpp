#include "util/TextEncoding.h"

#include "util/Cp1252.h"
#include "util/Error.h"

#include <algorithm>
#include <cstdio>

namespace quorlex {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view word) {
    if (text.size() - std::min(at, text.size()) < word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (Lower(text[at + i]) != word[i])
            return false;
    return true;
}

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == ':';
}

// The charset named after "charset" at `at` in a meta tag: `charset="x"` or `...; charset=x`.
std::string CharsetAfter(std::string_view tag, size_t at) {
    size_t i = at + 7;
    while (i < tag.size() && (tag[i] == ' ' || tag[i] == '\t'))
        ++i;
    if (i >= tag.size() || tag[i] != '=')
        return {};
    ++i;
    while (i < tag.size() && (tag[i] == ' ' || tag[i] == '\t' || tag[i] == '"' || tag[i] == '\''))
        ++i;
    const size_t start = i;
    while (i < tag.size() && IsNameChar(tag[i]))
        ++i;
    return std::string(tag.substr(start, i - start));
}

// The charset the page's first meta tag with one names, or empty text.
std::string DeclaredCharset(std::string_view page) {
    const std::string_view head = page.substr(0, std::min<size_t>(page.size(), 8192));
    for (size_t at = 0; (at = head.find('<', at)) != std::string_view::npos; ++at) {
        if (!StartsWithNoCase(head, at, "<meta"))
            continue;
        const std::string_view tag = head.substr(at, head.find('>', at) - at);
        for (size_t c = 0; c + 7 <= tag.size(); ++c)
            if (StartsWithNoCase(tag, c, "charset")) {
                std::string name = CharsetAfter(tag, c);
                if (!name.empty())
                    return name;
            }
    }
    return {};
}

void AppendHex(std::string& out, char32_t cp, int minimumDigits) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*X", minimumDigits, static_cast<unsigned>(cp));
    out += digits;
}

void AppendEscape(std::string& out, char32_t cp, Escapes escapes) {
    switch (escapes) {
    case Escapes::Css:
        out += '\\';
        AppendHex(out, cp, 1);
        out += ' ';
        return;
    case Escapes::Markup:
    case Escapes::Xml:
        out += "&#x";
        AppendHex(out, cp, 1);
        out += ';';
        return;
    }
}

void AppendScriptEscape(std::string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += "\\u";
        AppendHex(out, cp, 4);
        return;
    }
    out += "\\u{";
    AppendHex(out, cp, 1);
    out += '}';
}

// Which raw-text element of a page the encoder is in: its characters are escaped in the
// element's own language, since character references mean nothing there.
class MarkupContext {
public:
    void At(std::string_view text, size_t i) {
        if (text[i] != '<')
            return;
        if (m_in == In::Text) {
            if (OpensElement(text, i, "<style"))
                m_in = In::Style;
            else if (OpensElement(text, i, "<script"))
                m_in = In::Script;
        } else if (OpensElement(text, i, m_in == In::Style ? "</style" : "</script")) {
            m_in = In::Text;
        }
    }

    void Escape(std::string& out, char32_t cp) const {
        if (m_in == In::Style)
            AppendEscape(out, cp, Escapes::Css);
        else if (m_in == In::Script)
            AppendScriptEscape(out, cp);
        else
            AppendEscape(out, cp, Escapes::Markup);
    }

private:
    enum class In { Text, Style, Script };

    static bool OpensElement(std::string_view text, size_t at, std::string_view name) {
        if (!StartsWithNoCase(text, at, name))
            return false;
        const size_t after = at + name.size();
        return after >= text.size() || text[after] == '>' || text[after] == '/' || text[after] == ' ' ||
               text[after] == '\t' || text[after] == '\r' || text[after] == '\n';
    }

    In m_in = In::Text;
};

std::string EncodeCp1252(std::string_view text, Escapes escapes) {
    std::string out;
    out.reserve(text.size());
    MarkupContext context;
    for (size_t i = 0; i < text.size();) {
        if (escapes == Escapes::Markup)
            context.At(text, i);
        const char32_t cp = DecodeUtf8(text, i);
        const int byte = Cp1252ByteOf(cp);
        if (byte >= 0)
            out += static_cast<char>(byte);
        else if (escapes == Escapes::Markup)
            context.Escape(out, cp);
        else
            AppendEscape(out, cp, escapes);
    }
    return out;
}

bool IsUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

// Turns the references EncodeOwnText writes back into characters; others stay as written.
std::string ReadReferences(std::string text) {
    if (text.find("&#x") == std::string::npos)
        return text;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t end = i + 3;
        if (text.compare(i, 3, "&#x") == 0) {
            while (end < text.size() && end - i < 10 && IsUpperHex(text[end]))
                ++end;
        }
        const char32_t cp = end > i + 3 && end < text.size() && text[end] == ';'
                                ? static_cast<char32_t>(std::stoul(text.substr(i + 3, end - i - 3), nullptr, 16))
                                : 0;
        if (cp > 0 && cp <= 0x10FFFF && Cp1252ByteOf(cp) < 0 && !(cp >= 0xD800 && cp < 0xE000)) {
            AppendUtf8(out, cp);
            i = end + 1;
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const size_t start = i;
        if (DecodeUtf8(bytes, i) == 0xFFFD && bytes.substr(start, i - start) != "\xEF\xBF\xBD")
            return false;
    }
    return true;
}

std::optional<TextEncoding> EncodingFromName(std::string_view name) {
    std::string lower;
    for (char c : name)
        lower += Lower(c);
    if (lower == "utf-8" || lower == "utf8" || lower == "unicode-1-1-utf-8")
        return TextEncoding::Utf8;
    static const char* const kCp1252Names[] = {"windows-1252", "cp1252",         "x-cp1252", "cp-1252", "iso-8859-1",
                                               "iso8859-1",    "iso_8859-1",     "latin1",   "latin-1", "l1",
                                               "cp819",        "ibm819",         "us-ascii", "ascii",   "iso-ir-100",
                                               "csisolatin1",  "iso_8859-1:1987"};
    for (const char* known : kCp1252Names)
        if (lower == known)
            return TextEncoding::Cp1252;
    return std::nullopt;
}

const char* EncodingName(TextEncoding encoding) { return encoding == TextEncoding::Utf8 ? "UTF-8" : "Windows-1252"; }

TextEncoding DetectEncoding(std::string_view bytes) {
    return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp1252;
}

TextEncoding PageEncoding(std::string_view page) {
    if (page.substr(0, 3) == kByteOrderMark)
        return TextEncoding::Utf8;
    const std::string declared = DeclaredCharset(page);
    if (declared.empty())
        return DetectEncoding(page);
    if (const std::optional<TextEncoding> known = EncodingFromName(declared))
        return *known;
    throw Error("The page declares the character encoding \"" + declared +
                "\", which Quorlex cannot read. Save the template's files as UTF-8 or Windows-1252 and "
                "declare that.");
}

TextEncoding StyleSheetEncoding(std::string_view css, TextEncoding page) {
    if (css.substr(0, 3) == kByteOrderMark)
        return TextEncoding::Utf8;
    constexpr std::string_view kCharset = "@charset \"";
    if (css.substr(0, kCharset.size()) == kCharset) {
        const size_t close = css.find('"', kCharset.size());
        if (close != std::string_view::npos)
            if (const auto known = EncodingFromName(css.substr(kCharset.size(), close - kCharset.size())))
                return *known;
    }
    const bool ascii = std::all_of(css.begin(), css.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? page : DetectEncoding(css);
}

std::string DecodeText(std::string_view bytes, TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

std::string EncodeText(std::string_view text, TextEncoding encoding, Escapes escapes) {
    return encoding == TextEncoding::Utf8 ? std::string(text) : EncodeCp1252(text, escapes);
}

std::string DecodeOwnText(std::string_view bytes, TextEncoding package) {
    if (package == TextEncoding::Utf8 && IsValidUtf8(bytes))
        return std::string(bytes);
    return ReadReferences(Cp1252ToUtf8(bytes));
}

std::string EncodeOwnText(std::string_view text, TextEncoding package) {
    return EncodeText(text, package, Escapes::Xml);
}

} // namespace quorlex
