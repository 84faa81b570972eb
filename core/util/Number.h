#pragma once

#include <string_view>

namespace quorlex {

// True when the text is a floating-point number written with the given decimal separator:
// optional blanks, sign, digits with at most one separator, optional exponent.
bool IsNumber(std::string_view text, char decimalSeparator = '.');

} // namespace quorlex
