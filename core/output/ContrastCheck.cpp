#include "output/ContrastCheck.h"

#include "util/Contrast.h"

#include <map>
#include <optional>
#include <tuple>

namespace quorlex {
namespace {

constexpr size_t kShownTextLength = 60;

std::optional<CssColor> Backdrop(const std::vector<BackgroundLayer>& layers) {
    std::vector<CssColor> translucent; // innermost first
    CssColor base = kWhite;
    for (const auto& layer : layers) {
        const auto color = ParseCssColor(layer.color);
        if (layer.image || !color)
            return std::nullopt;
        if (color->alpha >= 1.0) {
            base = *color;
            break;
        }
        if (color->alpha > 0.0)
            translucent.push_back(*color);
    }
    for (auto it = translucent.rbegin(); it != translucent.rend(); ++it)
        base = BlendOver(*it, base);
    return base;
}

std::string Shortened(const std::string& text) {
    return text.size() <= kShownTextLength ? text : text.substr(0, kShownTextLength - 3) + "...";
}

bool SameColor(const std::string& value, const CssColor& color) {
    const auto parsed = ParseCssColor(value);
    return parsed && parsed->alpha >= 1.0 && parsed->red == color.red && parsed->green == color.green &&
           parsed->blue == color.blue;
}

// The first color variable with the text's color, else the background's.
std::optional<size_t> FirstVariableOf(const std::vector<ColorVariable>& colors, const CssColor& text,
                                      const CssColor& background) {
    for (const CssColor& color : {text, background})
        for (size_t row = 0; row < colors.size(); ++row)
            if (SameColor(colors[row].value, color))
                return row;
    return std::nullopt;
}

// "Text: "A"; background: "B", "C"", each part only when a variable has that color.
std::string VariablesOf(const std::vector<ColorVariable>& colors, const CssColor& text, const CssColor& background) {
    auto titles = [&](const CssColor& color) {
        std::string names;
        for (const auto& variable : colors)
            if (SameColor(variable.value, color))
                names += (names.empty() ? "\"" : ", \"") + variable.title + "\"";
        return names;
    };
    const std::string textNames = titles(text);
    const std::string backgroundNames = titles(background);
    std::string change = textNames.empty() ? "" : "Text: " + textNames;
    if (!backgroundNames.empty())
        change += (change.empty() ? "Background: " : "; background: ") + backgroundNames;
    return change;
}

struct Group {
    SiteFinding finding;
    double ratio = 0;
    double required = 0;
    size_t count = 0;
};

} // namespace

size_t CountTextOverPictures(const std::vector<TextSample>& samples) {
    size_t count = 0;
    for (const auto& sample : samples) {
        for (const auto& layer : sample.layers) {
            if (layer.image) {
                ++count;
                break;
            }
            const auto color = ParseCssColor(layer.color);
            if (color && color->alpha >= 1.0)
                break;
        }
    }
    return count;
}

std::vector<SiteFinding> CheckContrast(const std::vector<TextSample>& samples,
                                       const std::vector<ColorVariable>& colors) {
    using Key = std::tuple<std::string, std::string, double>;
    std::map<Key, size_t> index;
    std::vector<Group> groups;
    for (const auto& sample : samples) {
        const auto color = ParseCssColor(sample.color);
        const auto backdrop = Backdrop(sample.layers);
        if (!color || !backdrop || color->alpha <= 0.0)
            continue;
        const CssColor text = BlendOver(*color, *backdrop);
        const double required = RequiredContrast(IsLargeText(sample.fontSizePx, sample.fontWeight));
        const double ratio = ContrastRatio(text, *backdrop);
        if (ratio >= required)
            continue;
        const Key key{CssColorToHtml(text), CssColorToHtml(*backdrop), required};
        const auto [slot, added] = index.emplace(key, groups.size());
        if (added) {
            Group group;
            group.finding = {FindingKind::LowContrast,
                             "index.html",
                             Shortened(sample.text),
                             {},
                             VariablesOf(colors, *color, *backdrop),
                             std::get<0>(key),
                             std::get<1>(key),
                             FirstVariableOf(colors, *color, *backdrop),
                             {},
                             {}};
            group.ratio = ratio;
            group.required = required;
            groups.push_back(std::move(group));
        }
        ++groups[slot->second].count;
    }
    std::vector<SiteFinding> findings;
    for (auto& group : groups) {
        SiteFinding& finding = group.finding;
        finding.explanation = finding.foreground + " on " + finding.background + ": contrast " +
                              RatioText(group.ratio) + ", needs " +
                              (group.required < 4.0 ? "3:1 (large text)." : "4.5:1.");
        if (group.count > 1)
            finding.subject += " (and " + std::to_string(group.count - 1) + " more)";
        findings.push_back(std::move(finding));
    }
    return findings;
}

} // namespace quorlex
