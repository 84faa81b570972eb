#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorlex {

// A color as a browser computes it: 8-bit channels and an opacity from 0 to 1.
struct CssColor {
    int red = 0;
    int green = 0;
    int blue = 0;
    double alpha = 1.0;

    bool operator==(const CssColor& other) const {
        return red == other.red && green == other.green && blue == other.blue && alpha == other.alpha;
    }
};

constexpr CssColor kWhite{255, 255, 255, 1.0};

// The forms computed styles take: "rgb(r, g, b)", "rgba(r, g, b, a)" (commas or blanks, an
// opacity after "/", percentages), "transparent", "#rgb" and "#rrggbb". Nothing for others.
std::optional<CssColor> ParseCssColor(std::string_view text);

// `top` painted over `bottom`; the result is as opaque as `bottom`.
CssColor BlendOver(const CssColor& top, const CssColor& bottom);

// "#RRGGBB", the opacity left out.
std::string CssColorToHtml(const CssColor& color);

// Relative luminance, 0 for black to 1 for white, with the sRGB linearisation.
double RelativeLuminance(const CssColor& color);

// (L1 + 0.05) / (L2 + 0.05), L1 the lighter of the two: from 1 to 21.
double ContrastRatio(const CssColor& a, const CssColor& b);

// At least 24 px, or at least 18.66 px (14 pt) and bold.
bool IsLargeText(double fontSizePx, int fontWeight);

// The least contrast text needs: 3:1 when large, 4.5:1 otherwise.
double RequiredContrast(bool largeText);

// A ratio for people to read, cut (not rounded) to two decimals, so that a ratio just under
// a threshold never reads as the threshold: "4.47:1".
std::string RatioText(double ratio);

} // namespace quorlex
