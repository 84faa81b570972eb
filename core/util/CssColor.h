#pragma once

#include <string_view>

namespace quorlex {

// Whether a stylesheet takes the text as a color: "#" with 3, 4, 6 or 8 hex digits, rgb(),
// rgba(), hsl() or hsla() with their arguments, a CSS color name, "transparent", "currentColor",
// the CSS-wide keywords or "none"; letter case does not count, blanks around it are allowed.
bool IsCssColor(std::string_view text);

// What a color is typed as, for a message.
constexpr const char* kColorForms = "#RRGGBB or #RGB, rgb(...), rgba(...), hsl(...), hsla(...), or a CSS color name "
                                    "such as navy or transparent";

} // namespace quorlex
