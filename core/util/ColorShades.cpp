#include "util/ColorShades.h"

#include "util/PathUtils.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quorlex {
namespace {

struct Hsl {
    double hue = 0;        // 0 to 6, one unit per sextant
    double saturation = 0; // 0 to 1
    double lightness = 0;  // 0 to 1
};

Hsl ToHsl(const CssColor& color) {
    const double r = color.red / 255.0;
    const double g = color.green / 255.0;
    const double b = color.blue / 255.0;
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    Hsl hsl;
    hsl.lightness = (high + low) / 2;
    const double range = high - low;
    if (range <= 0)
        return hsl;
    hsl.saturation = range / (1 - std::fabs(2 * hsl.lightness - 1));
    if (high == r)
        hsl.hue = std::fmod((g - b) / range + 6, 6);
    else if (high == g)
        hsl.hue = (b - r) / range + 2;
    else
        hsl.hue = (r - g) / range + 4;
    return hsl;
}

int Channel(double unit) { return static_cast<int>(std::lround(std::clamp(unit, 0.0, 1.0) * 255)); }

CssColor FromHsl(const Hsl& hsl, double alpha) {
    const double chroma = (1 - std::fabs(2 * hsl.lightness - 1)) * hsl.saturation;
    const double second = chroma * (1 - std::fabs(std::fmod(hsl.hue, 2) - 1));
    const double base = hsl.lightness - chroma / 2;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hsl.hue) % 6) {
    case 0: r = chroma, g = second; break;
    case 1: r = second, g = chroma; break;
    case 2: g = chroma, b = second; break;
    case 3: g = second, b = chroma; break;
    case 4: r = second, b = chroma; break;
    default: r = chroma, b = second; break;
    }
    return {Channel(r + base), Channel(g + base), Channel(b + base), alpha};
}

std::optional<double> ReadNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "0.5", "0.125", "1": at most three decimals, without trailing zeros, whatever the locale.
std::string OpacityText(double alpha) {
    const long thousandths = std::lround(std::clamp(alpha, 0.0, 1.0) * 1000);
    std::string text = std::to_string(thousandths / 1000);
    if (long fraction = thousandths % 1000) {
        std::string digits = std::to_string(1000 + fraction).substr(1);
        digits.erase(digits.find_last_not_of('0') + 1);
        text += "." + digits;
    }
    return text;
}

} // namespace

std::optional<CssColor> ShadeableColor(std::string_view text) {
    const std::optional<CssColor> color = ParseCssColor(TrimControls(text));
    if (!color || color->alpha <= 0)
        return std::nullopt;
    return color;
}

CssColor ShiftLightness(const CssColor& color, double points) {
    Hsl hsl = ToHsl(color);
    hsl.lightness = std::clamp(hsl.lightness + points / 100, 0.0, 1.0);
    return FromHsl(hsl, color.alpha);
}

std::string RgbTriplet(const CssColor& color) {
    return std::to_string(color.red) + ", " + std::to_string(color.green) + ", " + std::to_string(color.blue);
}

std::string ShadeText(const CssColor& color) {
    if (color.alpha >= 1)
        return CssColorToHtml(color);
    return "rgba(" + RgbTriplet(color) + ", " + OpacityText(color.alpha) + ")";
}

std::optional<double> ReadPercentage(std::string_view text) {
    text = TrimControls(text);
    if (!text.empty() && text.back() == '%')
        text.remove_suffix(1);
    const std::optional<double> value = ReadNumber(text);
    if (!value || *value < 0 || *value > 100)
        return std::nullopt;
    return value;
}

std::optional<double> ReadOpacity(std::string_view text) {
    text = TrimControls(text);
    if (!text.empty() && text.back() == '%') {
        const std::optional<double> percent = ReadPercentage(text);
        return percent ? std::optional<double>(*percent / 100) : std::nullopt;
    }
    const std::optional<double> value = ReadNumber(text);
    if (!value || *value < 0 || *value > 1)
        return std::nullopt;
    return value;
}

} // namespace quorlex
