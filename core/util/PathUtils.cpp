#include "util/PathUtils.h"

namespace quorlex {

std::string_view TrimControls(std::string_view text) {
    auto low = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && low(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && low(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string StripBadSlashes(std::string_view text) {
    text = TrimControls(text);
    if (!text.empty() && text.front() == '/')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '\\')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == '/')
        text.remove_suffix(1);
    while (!text.empty() && text.back() == '\\')
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace quorlex
