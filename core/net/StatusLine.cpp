#include "net/StatusLine.h"

#include "util/PathUtils.h"

namespace quorlex {

namespace {

const char* UsualReason(long code) {
    switch (code) {
    case 200: return "OK";
    case 201: return "Created";
    case 204: return "No Content";
    case 206: return "Partial Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 304: return "Not Modified";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 410: return "Gone";
    case 429: return "Too Many Requests";
    case 500: return "Internal Server Error";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    case 504: return "Gateway Timeout";
    default: return "";
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<StatusLine> ParseStatusLine(std::string_view line) {
    line = TrimControls(line);
    const size_t blank = line.find(' ');
    if (line.rfind("HTTP/", 0) != 0 || blank == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = line.substr(blank + 1);
    if (rest.size() < 3 || !IsDigit(rest[0]) || !IsDigit(rest[1]) || !IsDigit(rest[2]) ||
        (rest.size() > 3 && rest[3] != ' '))
        return std::nullopt;
    StatusLine status;
    status.protocol = std::string(line.substr(0, blank));
    status.code = (rest[0] - '0') * 100 + (rest[1] - '0') * 10 + (rest[2] - '0');
    status.reason = std::string(TrimControls(rest.substr(3)));
    return status;
}

std::string StatusLineText(const StatusLine& status) {
    std::string text = status.protocol + " " + std::to_string(status.code);
    const std::string reason = status.reason.empty() ? UsualReason(status.code) : status.reason;
    if (!reason.empty())
        text += " " + reason;
    return text;
}

} // namespace quorlex
