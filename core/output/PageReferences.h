#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

// The addresses a page names: the href, src and background attributes of its tags, and the
// url(...) and @import addresses of its style blocks and style attributes. Comments and
// scripts are skipped; the common character references (&amp; and the like) are decoded.
std::vector<std::string> HtmlReferences(std::string_view html);

// The url(...) and @import addresses of a stylesheet, comments skipped.
std::vector<std::string> CssReferences(std::string_view css);

} // namespace quorlex
