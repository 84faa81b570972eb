#include "util/Color.h"

#include "util/HexDigit.h"

#include <cstdio>

namespace quorlex {

std::string ColorToHtml(Color color, const SystemColorResolver& resolveSystem) {
    if (IsSystemColor(color) && resolveSystem)
        color = resolveSystem(color);
    char text[8];
    std::snprintf(text, sizeof text, "#%.2X%.2X%.2X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return text;
}

namespace {

// Characters [first, first + 2) of the text, 1-based; fewer when the text is shorter.
std::string_view Piece(std::string_view text, size_t first) {
    return first - 1 < text.size() ? text.substr(first - 1, 2) : std::string_view();
}

} // namespace

Color HtmlToColor(std::string_view text) {
    const std::string digits = std::string(Piece(text, 6)) + std::string(Piece(text, 4)) + std::string(Piece(text, 2));
    if (digits.empty())
        return NoneColor;
    Color value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return NoneColor;
        value = (value << 4) | static_cast<Color>(digit);
    }
    return value;
}

} // namespace quorlex
