#pragma once

#include "workspace/SitePages.h"

#include <optional>
#include <string>
#include <vector>

namespace quorlex {

// A typed page name as it is stored: trimmed, ".html" added when it has no such ending.
std::string PageFileName(const std::string& typed);

// Why `file` cannot name page `index` of the site (SIZE_MAX for a new page), or nothing. It must
// be a plain file name (letters, digits, "-", "_" and ".", not starting with "."), end in
// ".html", and differ in more than letter case from the other pages and from `taken`: the
// generated files and the static files of the output folder.
std::optional<std::string> PageNameRefusal(const std::string& file, const SitePages& site, size_t index,
                                           const std::vector<std::string>& taken);

} // namespace quorlex
