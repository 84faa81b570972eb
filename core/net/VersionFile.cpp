#include "net/VersionFile.h"

#include "util/PathUtils.h"

#include <charconv>
#include <cmath>

namespace quorlex {

std::optional<double> PublishedVersion(std::string_view fileText) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (fileText.substr(0, kUtf8Mark.size()) == kUtf8Mark)
        fileText.remove_prefix(kUtf8Mark.size());
    const std::string_view line = TrimControls(fileText.substr(0, fileText.find_first_of("\r\n")));
    double number = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
    if (line.empty() || error != std::errc() || end != line.data() + line.size() || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace quorlex
