#pragma once

#include "util/Contrast.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorlex {

// A color that shades can be made from: the forms ParseCssColor reads, when not fully
// transparent. Nothing for "transparent", names and anything else.
std::optional<CssColor> ShadeableColor(std::string_view text);

// The color with its HSL lightness moved by `points` (of 100; negative is darker), kept
// within black and white. Hue, saturation and opacity stay.
CssColor ShiftLightness(const CssColor& color, double points);

// "r, g, b" in decimal, for rgba(...) written around it.
std::string RgbTriplet(const CssColor& color);

// "#RRGGBB" when opaque, else "rgba(r, g, b, a)".
std::string ShadeText(const CssColor& color);

// A number from 0 to 100, with or without "%"; nothing for other text.
std::optional<double> ReadPercentage(std::string_view text);

// An opacity: a number from 0 to 1, or a percentage with "%"; nothing for other text.
std::optional<double> ReadOpacity(std::string_view text);

} // namespace quorlex
