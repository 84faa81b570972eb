#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// A stylesheet of the package's folder `folder` ("css/", "css\vendor\"), rewritten for a page at
// the package root: each relative url(...) and @import address gets the folder in front, with
// "x/.." steps taken out. Quotes, blanks and comments stay; data:, absolute and root addresses
// and fragments ("#id") stay as written. An empty folder changes nothing.
std::string RebaseStyleSheet(std::string_view css, std::string_view folder);

// The address as seen from the package root, for an address of a file in `folder`.
std::string RebasedAddress(std::string_view address, std::string_view folder);

} // namespace quorlex
