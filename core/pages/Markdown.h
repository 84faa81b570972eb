#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// CommonMark with tables, strikethrough, task lists and autolinks (md4c), UTF-8 in and out.
// Raw HTML is kept: the page is the user's own. Throws Error when the text cannot be rendered.
std::string RenderMarkdown(std::string_view markdown);

} // namespace quorlex
