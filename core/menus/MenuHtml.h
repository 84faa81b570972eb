#pragma once

#include "menus/MenuNode.h"
#include "workspace/VariableTables.h"

#include <string>
#include <string_view>

namespace quorlex {

// The menu's HTML list: the root's opening and closing lines become "<ul>" and "</ul>", so
// the root's children are the items. Lines end with CR LF. A tree without nodes renders as
// the empty list "<ul>" "</ul>", like a root without children.
std::string RenderMenuHtml(const MenuTree& tree);

// The same list written with the markup's classes and attributes: the root's children and
// any further top-level nodes are the top list's items. Without any markup field it is the
// fixed form above. An item whose link names `currentPage` (an empty one names none) gets
// the markup's current classes and aria-current="page".
std::string RenderMenuHtml(const MenuTree& tree, const MenuMarkup& markup, std::string_view currentPage = {});

// The class text: the first top-level node's text as stored; empty for a tree without nodes.
std::string MenuClassText(const MenuTree& tree);

} // namespace quorlex
