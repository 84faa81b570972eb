#include "customize/FontChoices.h"

namespace quorlex {

const std::vector<std::string>& FontChoices::FontFamilyChoices() {
    static const std::vector<std::string> list{
        "Arial, Helvetica, sans-serif",          "\"Courier New\", Courier, monospace",
        "Geneva, Arial, Helvetica, sans-serif",  "Georgia, \"Times New Roman\", Times, serif",
        "\"Times New Roman\", Times, serif",     "Verdana, Arial, Helvetica, sans-serif",
        "\"Lucida Console\", Monaco, monospace", "\"Lucida Grande\", Verdana, Arial, Sans-Serif",
        "Helvetica, Arial, Sans-Serif"};
    return list;
}

const std::vector<std::string>& FontChoices::FontSizeChoices() {
    static const std::vector<std::string> list{"9",     "10",      "12",       "14",      "18",    "24",
                                               "36",    "72",      "xx-small", "x-small", "small", "medium",
                                               "large", "x-large", "xx-large", "smaller", "larger"};
    return list;
}

const std::vector<std::string>& FontChoices::FontUnitChoices() {
    static const std::vector<std::string> list{"px", "%", "points", "cm", "in", "mm", "em", "picas", "ex"};
    return list;
}

const std::vector<std::string>& FontChoices::FontWeightChoices() {
    static const std::vector<std::string> list{"normal", "bold", "bolder", "lighter", "100", "200", "300",
                                               "400",    "500",  "600",    "700",     "800", "900"};
    return list;
}

const std::vector<std::string>& FontChoices::FontStyleChoices() {
    static const std::vector<std::string> list{"normal", "italic", "oblique"};
    return list;
}

const std::vector<std::string>& FontChoices::TextDecorationChoices() {
    static const std::vector<std::string> list{"none",  "underline",          "overline",       "line-through",
                                               "blink", "underline overline", "overline blink", "underline blink"};
    return list;
}

} // namespace quorlex
