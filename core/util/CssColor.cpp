#include "util/CssColor.h"

#include "util/PathUtils.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace quorlex {
namespace {

// The CSS color keywords.
constexpr const char* kNames[] = {
    "aliceblue", "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black", "blanchedalmond", "blue",
    "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "coral", "cornflowerblue", "cornsilk",
    "crimson", "cyan", "darkblue", "darkcyan", "darkgoldenrod", "darkgray", "darkgreen", "darkgrey", "darkkhaki",
    "darkmagenta", "darkolivegreen", "darkorange", "darkorchid", "darkred", "darksalmon", "darkseagreen",
    "darkslateblue", "darkslategray", "darkslategrey", "darkturquoise", "darkviolet", "deeppink", "deepskyblue",
    "dimgray", "dimgrey", "dodgerblue", "firebrick", "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite",
    "gold", "goldenrod", "gray", "green", "greenyellow", "grey", "honeydew", "hotpink", "indianred", "indigo", "ivory",
    "khaki", "lavender", "lavenderblush", "lawngreen", "lemonchiffon", "lightblue", "lightcoral", "lightcyan",
    "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey", "lightpink", "lightsalmon", "lightseagreen",
    "lightskyblue", "lightslategray", "lightslategrey", "lightsteelblue", "lightyellow", "lime", "limegreen", "linen",
    "magenta", "maroon", "mediumaquamarine", "mediumblue", "mediumorchid", "mediumpurple", "mediumseagreen",
    "mediumslateblue", "mediumspringgreen", "mediumturquoise", "mediumvioletred", "midnightblue", "mintcream",
    "mistyrose", "moccasin", "navajowhite", "navy", "oldlace", "olive", "olivedrab", "orange", "orangered", "orchid",
    "palegoldenrod", "palegreen", "paleturquoise", "palevioletred", "papayawhip", "peachpuff", "peru", "pink", "plum",
    "powderblue", "purple", "rebeccapurple", "red", "rosybrown", "royalblue", "saddlebrown", "salmon", "sandybrown",
    "seagreen", "seashell", "sienna", "silver", "skyblue", "slateblue", "slategray", "slategrey", "snow", "springgreen",
    "steelblue", "tan", "teal", "thistle", "tomato", "turquoise", "violet", "wheat", "white", "whitesmoke", "yellow",
    "yellowgreen", "transparent", "currentcolor",
    // Values every property takes, and "none" for backgrounds and borders.
    "inherit", "initial", "unset", "revert", "none"};

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

bool IsHexColor(std::string_view text) {
    if (text.empty() || text[0] != '#')
        return false;
    const std::string_view digits = text.substr(1);
    const bool hex = std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isxdigit(c); });
    return hex && (digits.size() == 3 || digits.size() == 4 || digits.size() == 6 || digits.size() == 8);
}

// Arguments of a color function: numbers with signs, dots, "%" and angle units, separated by
// commas, "/" and blanks, with at least one digit.
bool AreColorArguments(std::string_view args) {
    bool digit = false;
    for (size_t i = 0; i < args.size();) {
        const auto c = static_cast<unsigned char>(args[i]);
        if (std::isalpha(c)) {
            size_t end = i;
            while (end < args.size() && std::isalpha(static_cast<unsigned char>(args[end])))
                ++end;
            const std::string_view unit = args.substr(i, end - i);
            if (unit != "deg" && unit != "rad" && unit != "grad" && unit != "turn")
                return false;
            i = end;
            continue;
        }
        digit = digit || std::isdigit(c);
        if (!std::isdigit(c) && !std::isspace(c) &&
            std::string_view(".,%/+-").find(static_cast<char>(c)) == std::string_view::npos)
            return false;
        ++i;
    }
    return digit;
}

// "rgb(...)", "rgba(...)", "hsl(...)" or "hsla(...)", in lower case.
bool IsColorFunction(const std::string& lower) {
    for (const std::string_view open : {"rgb(", "rgba(", "hsl(", "hsla("}) {
        if (lower.compare(0, open.size(), open) == 0 && lower.back() == ')')
            return AreColorArguments(std::string_view(lower).substr(open.size(), lower.size() - open.size() - 1));
    }
    return false;
}

} // namespace

bool IsCssColor(std::string_view text) {
    const std::string lower = Lower(TrimControls(text));
    if (IsHexColor(lower) || IsColorFunction(lower))
        return true;
    return std::any_of(std::begin(kNames), std::end(kNames), [&](const char* name) { return lower == name; });
}

} // namespace quorlex
