#include "customize/ChoiceOrder.h"

#include "util/TextSearch.h"

#include <algorithm>

namespace quorlex {

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return FoldCase(static_cast<unsigned char>(x)) < FoldCase(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> SortedDistinct(const std::vector<std::string>& entries) {
    std::vector<std::string> sorted;
    for (const std::string& entry : entries)
        if (std::find(sorted.begin(), sorted.end(), entry) == sorted.end())
            InsertSorted(sorted, entry);
    return sorted;
}

size_t InsertSorted(std::vector<std::string>& list, const std::string& text) {
    const auto at = std::upper_bound(list.begin(), list.end(), text, LessNoCase);
    const auto inserted = list.insert(at, text);
    return static_cast<size_t>(inserted - list.begin());
}

} // namespace quorlex
