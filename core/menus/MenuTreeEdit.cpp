#include "menus/MenuTreeEdit.h"

#include <algorithm>
#include <utility>

namespace quorlex {
namespace {

using Siblings = std::vector<MenuNode>;

NodePath ParentOf(const NodePath& path) { return NodePath(path.begin(), path.end() - 1); }

Siblings* ChildrenAt(MenuTree& tree, const NodePath& parent) {
    if (parent.empty())
        return &tree;
    MenuNode* node = NodeAt(tree, parent);
    return node ? &node->children : nullptr;
}

MenuNode Take(MenuTree& tree, const NodePath& path) {
    Siblings& siblings = *ChildrenAt(tree, ParentOf(path));
    MenuNode node = std::move(siblings[path.back()]);
    siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(path.back()));
    return node;
}

NodePath Insert(MenuTree& tree, const NodePath& parent, size_t index, MenuNode node) {
    Siblings& siblings = *ChildrenAt(tree, parent);
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(index), std::move(node));
    NodePath path = parent;
    path.push_back(index);
    return path;
}

// The path of a node outside `removed` once `removed` has been taken out of the tree.
NodePath AfterRemoval(NodePath path, const NodePath& removed) {
    const size_t level = removed.size() - 1;
    if (path.size() > level &&
        std::equal(removed.begin(), removed.begin() + static_cast<std::ptrdiff_t>(level), path.begin()) &&
        path[level] > removed[level])
        --path[level];
    return path;
}

NodePath Move(MenuTree& tree, const NodePath& from, const NodePath& toParent, size_t toIndex) {
    MenuNode node = Take(tree, from);
    return Insert(tree, toParent, toIndex, std::move(node));
}

bool IsRoot(const NodePath& path) { return path == NodePath{0}; }

} // namespace

MenuNode* NodeAt(MenuTree& tree, const NodePath& path) {
    Siblings* siblings = &tree;
    MenuNode* node = nullptr;
    for (size_t index : path) {
        if (index >= siblings->size())
            return nullptr;
        node = &(*siblings)[index];
        siblings = &node->children;
    }
    return node;
}

const MenuNode* NodeAt(const MenuTree& tree, const NodePath& path) { return NodeAt(const_cast<MenuTree&>(tree), path); }

NodePath AppendChild(MenuTree& tree, const NodePath& parent, std::string text) {
    Siblings& children = *ChildrenAt(tree, parent);
    return Insert(tree, parent, children.size(), MenuNode{std::move(text), {}});
}

std::optional<NodePath> RemoveNode(MenuTree& tree, const NodePath& path) {
    if (!NodeAt(tree, path))
        return std::nullopt;
    Take(tree, path);
    const NodePath parent = ParentOf(path);
    const size_t left = ChildrenAt(tree, parent)->size();
    if (path.back() < left)
        return path;
    if (left > 0) {
        NodePath previous = parent;
        previous.push_back(left - 1);
        return previous;
    }
    return parent.empty() ? std::nullopt : std::optional<NodePath>(parent);
}

bool IsInsideSubtree(const NodePath& path, const NodePath& root) {
    return path.size() >= root.size() && std::equal(root.begin(), root.end(), path.begin());
}

DropDirection DropDirectionOf(int pressY, int dropY) {
    return dropY >= pressY ? DropDirection::Down : DropDirection::Up;
}

std::optional<NodePath> DropMenuNode(MenuTree& tree, const NodePath& moving, const NodePath& target,
                                     DropDirection direction) {
    if (!NodeAt(tree, moving) || !NodeAt(tree, target) || IsInsideSubtree(target, moving))
        return std::nullopt;
    // Only the root lives at the top level: a drop beside it is refused.
    if (target.size() == 1)
        return std::nullopt;
    MenuNode node = Take(tree, moving);
    const NodePath place = AfterRemoval(target, moving);
    const size_t index = place.back() + (direction == DropDirection::Down ? 1 : 0);
    return Insert(tree, ParentOf(place), index, std::move(node));
}

std::optional<NodePath> MoveMenuNode(MenuTree& tree, const NodePath& path, OutlineMove move) {
    if (!NodeAt(tree, path) || IsRoot(path))
        return std::nullopt;
    const NodePath parent = ParentOf(path);
    const size_t index = path.back();
    const size_t count = ChildrenAt(tree, parent)->size();
    // The first top-level slot belongs to the root.
    const size_t first = parent.empty() ? 1 : 0;
    switch (move) {
    case OutlineMove::Up:
        if (index <= first)
            return std::nullopt;
        return Move(tree, path, parent, index - 1);
    case OutlineMove::Down:
        if (index + 1 >= count)
            return std::nullopt;
        return Move(tree, path, parent, index + 1);
    case OutlineMove::In: {
        if (index == 0)
            return std::nullopt;
        NodePath previous = parent;
        previous.push_back(index - 1);
        return Move(tree, path, previous, NodeAt(tree, previous)->children.size());
    }
    case OutlineMove::Out: {
        // Beside the root a node would be no item of the menu.
        if (parent.size() < 2)
            return std::nullopt;
        return Move(tree, path, ParentOf(parent), parent.back() + 1);
    }
    }
    return std::nullopt;
}

int DragScrollStep(int y, int height, int edge) {
    if (y < edge)
        return -1;
    if (y >= height - edge)
        return 1;
    return 0;
}

} // namespace quorlex
