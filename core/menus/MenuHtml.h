#pragma once

#include "menus/MenuNode.h"

#include <string>

namespace quorlex {

// The menu's HTML list: the root's opening and closing lines become "<ul>" and "</ul>", so
// the root's children are the items. Lines end with CR LF. A tree without nodes renders as
// the empty list "<ul>" "</ul>", like a root without children.
std::string RenderMenuHtml(const MenuTree& tree);

// The class text: the first top-level node's text as stored; empty for a tree without nodes.
std::string MenuClassText(const MenuTree& tree);

} // namespace quorlex
