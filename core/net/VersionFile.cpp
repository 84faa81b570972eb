#include "net/VersionFile.h"

#include "util/PathUtils.h"

#include <algorithm>
#include <charconv>

namespace quorlex {

namespace {

std::optional<unsigned> ParsePart(std::string_view digits) {
    unsigned value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string VersionNumber::Text() const {
    std::string text;
    for (const unsigned part : parts)
        text += (text.empty() ? "" : ".") + std::to_string(part);
    return text;
}

int CompareVersions(const VersionNumber& a, const VersionNumber& b) {
    const size_t count = std::max(a.parts.size(), b.parts.size());
    for (size_t i = 0; i < count; ++i) {
        const unsigned left = i < a.parts.size() ? a.parts[i] : 0;
        const unsigned right = i < b.parts.size() ? b.parts[i] : 0;
        if (left != right)
            return left < right ? -1 : 1;
    }
    return 0;
}

std::optional<VersionNumber> ParseVersion(std::string_view text) {
    if (AllDigits(text) && text.size() > 1) {
        const auto major = ParsePart(text.substr(0, text.size() - 1));
        if (!major)
            return std::nullopt;
        return VersionNumber{{*major, static_cast<unsigned>(text.back() - '0')}};
    }
    VersionNumber version;
    for (;;) {
        const size_t point = text.find('.');
        const std::string_view digits = text.substr(0, point);
        if (!AllDigits(digits))
            return std::nullopt;
        const auto part = ParsePart(digits);
        if (!part)
            return std::nullopt;
        version.parts.push_back(*part);
        if (point == std::string_view::npos)
            return version;
        text.remove_prefix(point + 1);
    }
}

VersionNumber RunningVersion() { return *ParseVersion(kRunningVersion); }

std::optional<VersionNumber> PublishedVersion(std::string_view fileText) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (fileText.substr(0, kUtf8Mark.size()) == kUtf8Mark)
        fileText.remove_prefix(kUtf8Mark.size());
    return ParseVersion(TrimControls(fileText.substr(0, fileText.find_first_of("\r\n"))));
}

} // namespace quorlex
