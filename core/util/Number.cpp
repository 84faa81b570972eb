#include "util/Number.h"

#include <cctype>

namespace quorlex {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view text, size_t i) {
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

size_t SkipSign(std::string_view text, size_t i) {
    return i < text.size() && (text[i] == '+' || text[i] == '-') ? i + 1 : i;
}

} // namespace

bool IsNumber(std::string_view text, char decimalSeparator) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    size_t i = SkipSign(text, 0);
    const size_t intStart = i;
    i = SkipDigits(text, i);
    size_t digitCount = i - intStart;
    if (i < text.size() && text[i] == decimalSeparator) {
        const size_t fracStart = ++i;
        i = SkipDigits(text, i);
        digitCount += i - fracStart;
    }
    if (digitCount == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const size_t expStart = SkipSign(text, i + 1);
        i = SkipDigits(text, expStart);
        if (i == expStart)
            return false;
    }
    return i == text.size();
}

} // namespace quorlex
