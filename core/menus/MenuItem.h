#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// The three fields of a menu item's text "caption|link|target".
struct MenuItemFields {
    std::string caption;
    std::string link;
    std::string target;
};

// Cuts at every "|" (pieces after the third are ignored, missing ones empty), then turns
// "&sp;" into "|" and "&nbsp;" into a blank, in any letter case. Nothing is trimmed.
MenuItemFields SplitMenuItem(std::string_view text);

// Joins the fields with "|" after writing each "|" inside them as "&sp;".
std::string JoinMenuItem(const std::string& caption, const std::string& link, const std::string& target);

// The item's anchor: `<a href="L" T >C</a>`, or `<a href="#" >C</a>` without a link.
std::string MenuItemAnchor(std::string_view text);

} // namespace quorlex
