#pragma once

#include <string>
#include <vector>

namespace quorlex {

// One node of a menu tree: its whole text (one line) and its children.
struct MenuNode {
    std::string text;
    std::vector<MenuNode> children;

    bool operator==(const MenuNode& other) const { return text == other.text && children == other.children; }
};

// A menu tree: its top-level nodes. The first one is the root, whose text is the class text.
using MenuTree = std::vector<MenuNode>;

} // namespace quorlex
