#pragma once

#include "util/TextSearch.h"

#include <string>
#include <vector>

namespace quorlex {

// The entries in ascending order without regard to letter case (LessNoCase: digits before
// letters, numbers compared as text, "72" before "9"), each exact text once.
std::vector<std::string> SortedDistinct(const std::vector<std::string>& entries);

// Inserts the text at its place in a list kept in that order; returns its index.
size_t InsertSorted(std::vector<std::string>& list, const std::string& text);

} // namespace quorlex
