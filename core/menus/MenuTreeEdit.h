#pragma once

#include "menus/MenuNode.h"

#include <optional>
#include <string>
#include <vector>

namespace quorlex {

// Where a node sits: its index in the top-level list, then in each parent's children.
using NodePath = std::vector<size_t>;

// The node at `path`, or null when there is none.
MenuNode* NodeAt(MenuTree& tree, const NodePath& path);
const MenuNode* NodeAt(const MenuTree& tree, const NodePath& path);

// Appends a node as the last child of `parent`; returns its path.
NodePath AppendChild(MenuTree& tree, const NodePath& parent, std::string text);

// Removes the node with its subtree. Returns the node to select next: the following
// sibling, else the preceding one, else the parent; nothing when no node is left.
std::optional<NodePath> RemoveNode(MenuTree& tree, const NodePath& path);

// True when `path` is `root` itself or lies below it.
bool IsInsideSubtree(const NodePath& path, const NodePath& root);

enum class DropDirection { Down, Up };

// A drop at or below the press position moves down, one above it moves up.
DropDirection DropDirectionOf(int pressY, int dropY);

// Moves `moving` with its subtree next to `target`, as its sibling: right after it when
// moving down, right before it when moving up. Nothing moves when either node is missing,
// when the target lies in the moving node's own subtree, or when moving up onto the very
// first node, and when it would put the node at the top level beside the root. Returns the
// moved node's new path, or nothing.
std::optional<NodePath> DropMenuNode(MenuTree& tree, const NodePath& moving, const NodePath& target,
                                     DropDirection direction);

// The keyboard moves: Up and Down swap with a sibling, In makes the node the last child of its
// preceding sibling, Out the next sibling of its parent. The root (the first top-level node)
// stays first and alone: it does not move, and nothing moves before or beside it.
enum class OutlineMove { Up, Down, In, Out };

// Returns the node's new path, or nothing when it cannot move that way.
std::optional<NodePath> MoveMenuNode(MenuTree& tree, const NodePath& path, OutlineMove move);

// The auto-scroll of a drag over a view `height` pixels high: -1 (one node up) when the pointer
// is less than `edge` pixels from the top or above, +1 near or below the bottom, else 0.
int DragScrollStep(int y, int height, int edge);

} // namespace quorlex
