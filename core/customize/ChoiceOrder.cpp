#include "customize/ChoiceOrder.h"

#include "util/TextSearch.h"

#include <algorithm>

namespace quorlex {

std::vector<std::string> SortedDistinct(const std::vector<std::string>& entries) {
    std::vector<std::string> sorted;
    for (const std::string& entry : entries)
        if (std::find(sorted.begin(), sorted.end(), entry) == sorted.end())
            InsertSorted(sorted, entry);
    return sorted;
}

size_t InsertSorted(std::vector<std::string>& list, const std::string& text) {
    const auto at = std::upper_bound(list.begin(), list.end(), text,
                                     [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
    const auto inserted = list.insert(at, text);
    return static_cast<size_t>(inserted - list.begin());
}

} // namespace quorlex
