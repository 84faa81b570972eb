#pragma once

#include <string>
#include <vector>

namespace quorlex {

// What an operation has to tell the user without failing, in the order it was found. The page
// or session that ran the operation shows them.
using Notices = std::vector<std::string>;

} // namespace quorlex
