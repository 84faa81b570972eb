#pragma once

#include <string>
#include <vector>

namespace quorlex {

// Ascending order without regard to letter case; digits come before letters and numbers
// compare as text ("72" before "9").
bool LessNoCase(const std::string& a, const std::string& b);

// The entries in that order, each exact text once.
std::vector<std::string> SortedDistinct(const std::vector<std::string>& entries);

// Inserts the text at its place in a list kept in that order; returns its index.
size_t InsertSorted(std::vector<std::string>& list, const std::string& text);

} // namespace quorlex
