#include "output/SiteReference.h"

#include "util/HexDigit.h"
#include "util/NativeNames.h"
#include "util/PathUtils.h"

namespace quorlex {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The length of a leading "scheme:", or 0.
size_t SchemeLength(std::string_view text) {
    if (text.empty() || !IsLetter(text[0]))
        return 0;
    for (size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ':')
            return i;
        if (!IsLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.')
            return 0;
    }
    return 0;
}

// Escapes stand for UTF-8 bytes, as browsers write them; a broken escape stays as written.
std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            decoded += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

} // namespace

SiteReference ResolveSiteReference(std::string_view reference, const std::vector<std::string>& folder) {
    const std::string_view text = TrimControls(reference);
    if (text.empty() || text.front() == '#')
        return {ReferenceKind::SamePage, {}};
    if (text.size() >= 2 && (text[0] == '/' || text[0] == '\\') && (text[1] == '/' || text[1] == '\\'))
        return {ReferenceKind::External, {}};
    const size_t scheme = SchemeLength(text);
    if (scheme == 1)
        return {ReferenceKind::Outside, {}}; // a drive letter
    if (scheme > 0) {
        std::string name(text.substr(0, scheme));
        for (char& c : name)
            c = static_cast<char>(c | 0x20);
        return {name == "file" ? ReferenceKind::Outside : ReferenceKind::External, {}};
    }
    const std::string_view path = text.substr(0, text.find_first_of("?#"));
    if (path.empty())
        return {ReferenceKind::SamePage, {}};
    SiteReference resolved{ReferenceKind::Local, {}};
    if (path.front() != '/' && path.front() != '\\')
        resolved.parts = folder;
    const std::string native = NativeNameFromPackageText(path);
    size_t start = 0;
    while (start <= native.size()) {
        const size_t end = native.find_first_of("/\\", start);
        const size_t stop = end == std::string::npos ? native.size() : end;
        const std::string name = PercentDecoded(std::string_view(native).substr(start, stop - start));
        if (name == "..") {
            if (resolved.parts.empty())
                return {ReferenceKind::Outside, {}};
            resolved.parts.pop_back();
        } else if (!name.empty() && name != ".") {
            resolved.parts.push_back(name);
        }
        start = stop + 1;
    }
    return resolved;
}

} // namespace quorlex
