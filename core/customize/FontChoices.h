#pragma once

#include <string>
#include <vector>

namespace quorlex {

// The fixed choice lists of the fonts page, in the order shown.
struct FontChoices {
    static const std::vector<std::string>& FontFamilyChoices();
    static const std::vector<std::string>& FontSizeChoices();
    static const std::vector<std::string>& FontUnitChoices();
    static const std::vector<std::string>& FontWeightChoices();
    static const std::vector<std::string>& FontStyleChoices();
    static const std::vector<std::string>& TextDecorationChoices();
};

} // namespace quorlex
