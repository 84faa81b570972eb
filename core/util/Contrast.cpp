#include "util/Contrast.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace quorlex {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return lower;
}

// A number with an optional "%"; `percentScale` is what 100% stands for. The C locale's
// parser, so a decimal comma in the user's locale changes nothing.
std::optional<double> Component(std::string_view text, double percentScale) {
    const bool percent = !text.empty() && text.back() == '%';
    if (percent)
        text.remove_suffix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return percent ? value * percentScale / 100.0 : value;
}

int Channel(double value) { return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0))); }

std::optional<CssColor> FunctionColor(std::string_view inside) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= inside.size(); ++i) {
        if (i == inside.size() || inside[i] == ',' || inside[i] == '/' || inside[i] == ' ') {
            if (i > start)
                parts.push_back(inside.substr(start, i - start));
            start = i + 1;
        }
    }
    if (parts.size() != 3 && parts.size() != 4)
        return std::nullopt;
    CssColor color;
    int* channels[] = {&color.red, &color.green, &color.blue};
    for (size_t i = 0; i < 3; ++i) {
        const auto value = Component(parts[i], 255.0);
        if (!value)
            return std::nullopt;
        *channels[i] = Channel(*value);
    }
    if (parts.size() == 4) {
        const auto alpha = Component(parts[3], 1.0);
        if (!alpha)
            return std::nullopt;
        color.alpha = std::clamp(*alpha, 0.0, 1.0);
    }
    return color;
}

std::optional<CssColor> HexColor(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 6)
        return std::nullopt;
    const size_t width = digits.size() / 3;
    CssColor color;
    int* channels[] = {&color.red, &color.green, &color.blue};
    for (size_t i = 0; i < 3; ++i) {
        int value = 0;
        const char* first = digits.data() + i * width;
        const auto [end, error] = std::from_chars(first, first + width, value, 16);
        if (error != std::errc() || end != first + width)
            return std::nullopt;
        *channels[i] = width == 1 ? value * 17 : value;
    }
    return color;
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

std::optional<CssColor> ParseCssColor(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const std::string lower = Lower(text);
    if (lower == "transparent")
        return CssColor{0, 0, 0, 0.0};
    if (!lower.empty() && lower.front() == '#')
        return HexColor(std::string_view(lower).substr(1));
    for (const char* name : {"rgba(", "rgb("}) {
        const std::string_view prefix(name);
        if (lower.compare(0, prefix.size(), prefix) == 0 && lower.back() == ')')
            return FunctionColor(std::string_view(lower).substr(prefix.size(), lower.size() - prefix.size() - 1));
    }
    return std::nullopt;
}

CssColor BlendOver(const CssColor& top, const CssColor& bottom) {
    const double a = top.alpha;
    auto mix = [a](int over, int under) { return Channel(over * a + under * (1.0 - a)); };
    return {mix(top.red, bottom.red), mix(top.green, bottom.green), mix(top.blue, bottom.blue), bottom.alpha};
}

std::string CssColorToHtml(const CssColor& color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color.red & 0xFF, color.green & 0xFF, color.blue & 0xFF);
    return text;
}

double RelativeLuminance(const CssColor& color) {
    return 0.2126 * Linear(color.red) + 0.7152 * Linear(color.green) + 0.0722 * Linear(color.blue);
}

double ContrastRatio(const CssColor& a, const CssColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsLargeText(double fontSizePx, int fontWeight) {
    return fontSizePx >= 24.0 || (fontSizePx >= 18.66 && fontWeight >= 700);
}

double RequiredContrast(bool largeText) { return largeText ? 3.0 : 4.5; }

std::string RatioText(double ratio) {
    const long hundredths = static_cast<long>(std::floor(ratio * 100.0 + 1e-9));
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%02ld:1", hundredths / 100, hundredths % 100);
    return text;
}

} // namespace quorlex
