#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quorlex {

// A toolkit color: low byte red, then green, then blue. System colors have 0x80 in the top byte.
using Color = std::uint32_t;

constexpr Color NoneColor = 0x1FFFFFFF;

constexpr Color RgbColor(int red, int green, int blue) {
    return static_cast<Color>(red) | (static_cast<Color>(green) << 8) | (static_cast<Color>(blue) << 16);
}

constexpr bool IsSystemColor(Color color) { return (color & 0xFF000000u) == 0x80000000u; }

using SystemColorResolver = std::function<Color(Color)>;

// "#RRGGBB" from the three low bytes; system colors are resolved first.
std::string ColorToHtml(Color color, const SystemColorResolver& resolveSystem = nullptr);

// Reads characters 6-7, 4-5 and 2-3 as one hexadecimal number (blue, green, red); the first
// character is skipped. NoneColor when that is not a number.
Color HtmlToColor(std::string_view text);

} // namespace quorlex
