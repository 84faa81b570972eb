#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorlex {

// The first line of an HTTP response: "HTTP/1.1 404 Not Found".
struct StatusLine {
    std::string protocol; // "HTTP/1.1"
    long code = 0;        // 404
    std::string reason;   // "Not Found"; HTTP/2 sends none
};

// Nothing when the line does not start with "HTTP/" and a three-digit code.
std::optional<StatusLine> ParseStatusLine(std::string_view line);

// The line as the header window shows it. A response without a reason gets the usual one
// for its code ("HTTP/2 404 Not Found"), where there is one.
std::string StatusLineText(const StatusLine& status);

} // namespace quorlex
