#include "menus/MenuTreeEdit.h"

#include <functional>
#include <gtest/gtest.h>

using namespace quorlex;

namespace {

// root { a { a1 a2 } b c }
MenuTree Sample() { return {{"root", {{"a", {{"a1", {}}, {"a2", {}}}}, {"b", {}}, {"c", {}}}}}; }

// The texts in display order with one "." per level, to compare shapes at a glance.
std::string Shape(const MenuTree& tree) {
    std::string out;
    std::function<void(const MenuNode&, size_t)> walk = [&](const MenuNode& node, size_t level) {
        out += std::string(level, '.') + node.text + " ";
        for (const auto& child : node.children)
            walk(child, level + 1);
    };
    for (const auto& node : tree)
        walk(node, 0);
    return out;
}

} // namespace

TEST(MenuTreeEdit, DropFollowsTheDirectionOfTheDrag) {
    struct Case {
        NodePath moving, target;
        DropDirection direction;
        std::optional<NodePath> result;
        const char* shape;
    };
    const Case cases[] = {
        // down onto a later sibling: right after it
        {{0, 0}, {0, 1}, DropDirection::Down, NodePath{0, 1}, "root .b .a ..a1 ..a2 .c "},
        // up onto an earlier sibling: right before it
        {{0, 2}, {0, 0}, DropDirection::Up, NodePath{0, 0}, "root .c .a ..a1 ..a2 .b "},
        // down onto a node of another level
        {{0, 2}, {0, 0, 0}, DropDirection::Down, NodePath{0, 0, 1}, "root .a ..a1 ..c ..a2 .b "},
        // down onto the root: it would be a second top-level node, no item of the menu
        {{0, 1}, {0}, DropDirection::Down, std::nullopt, "root .a ..a1 ..a2 .b .c "},
        // up onto the root, the very first node: nothing
        {{0, 1}, {0}, DropDirection::Up, std::nullopt, "root .a ..a1 ..a2 .b .c "},
        // onto its own child or itself: nothing
        {{0, 0}, {0, 0, 1}, DropDirection::Down, std::nullopt, "root .a ..a1 ..a2 .b .c "},
        {{0, 1}, {0, 1}, DropDirection::Up, std::nullopt, "root .a ..a1 ..a2 .b .c "},
        // a missing node: nothing
        {{0, 9}, {0, 1}, DropDirection::Down, std::nullopt, "root .a ..a1 ..a2 .b .c "},
    };
    for (const Case& c : cases) {
        MenuTree tree = Sample();
        EXPECT_EQ(DropMenuNode(tree, c.moving, c.target, c.direction), c.result) << c.shape;
        EXPECT_EQ(Shape(tree), c.shape);
    }
    EXPECT_EQ(DropDirectionOf(40, 40), DropDirection::Down);
    EXPECT_EQ(DropDirectionOf(40, 39), DropDirection::Up);
}

TEST(MenuTreeEdit, RemovalSelectsTheNextThenThePreviousThenTheParent) {
    MenuTree tree = Sample();
    EXPECT_EQ(RemoveNode(tree, {0, 0, 0}), (NodePath{0, 0, 0}));
    EXPECT_EQ(RemoveNode(tree, {0, 0, 0}), (NodePath{0, 0}));
    EXPECT_EQ(RemoveNode(tree, {0, 2}), (NodePath{0, 1}));
    EXPECT_EQ(Shape(tree), "root .a .b ");
    EXPECT_EQ(RemoveNode(tree, {0}), std::nullopt);
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(RemoveNode(tree, {0}), std::nullopt);
}

TEST(MenuTreeEdit, OutlineMovesStopAtTheEdgesAndKeepTheRootFirst) {
    struct Case {
        NodePath path;
        OutlineMove move;
        std::optional<NodePath> result;
        const char* shape;
    };
    const char* unchanged = "root .a ..a1 ..a2 .b .c ";
    const Case cases[] = {
        {{0, 1}, OutlineMove::Up, NodePath{0, 0}, "root .b .a ..a1 ..a2 .c "},
        {{0, 0}, OutlineMove::Up, std::nullopt, unchanged},
        {{0, 1}, OutlineMove::Down, NodePath{0, 2}, "root .a ..a1 ..a2 .c .b "},
        {{0, 2}, OutlineMove::Down, std::nullopt, unchanged},
        {{0, 1}, OutlineMove::In, NodePath{0, 0, 2}, "root .a ..a1 ..a2 ..b .c "},
        {{0, 0}, OutlineMove::In, std::nullopt, unchanged},
        {{0, 0, 1}, OutlineMove::Out, NodePath{0, 1}, "root .a ..a1 .a2 .b .c "},
        {{0, 0}, OutlineMove::Out, std::nullopt, unchanged},
        {{0}, OutlineMove::Down, std::nullopt, unchanged},
        {{0}, OutlineMove::Out, std::nullopt, unchanged},
    };
    for (const Case& c : cases) {
        MenuTree tree = Sample();
        EXPECT_EQ(MoveMenuNode(tree, c.path, c.move), c.result) << c.shape;
        EXPECT_EQ(Shape(tree), c.shape);
    }
    // A second top-level node never goes before the root, but can go back under it.
    MenuTree tree = {{"root", {{"a", {}}}}, {"x", {}}};
    EXPECT_EQ(MoveMenuNode(tree, {1}, OutlineMove::Up), std::nullopt);
    EXPECT_EQ(MoveMenuNode(tree, {1}, OutlineMove::Out), std::nullopt);
    EXPECT_EQ(MoveMenuNode(tree, {1}, OutlineMove::In), (NodePath{0, 1}));
    EXPECT_EQ(Shape(tree), "root .a .x ");
}

TEST(MenuTreeEdit, DragScrollsOneNodeNearOrBeyondAnEdge) {
    EXPECT_EQ(DragScrollStep(-5, 100, 8), -1);
    EXPECT_EQ(DragScrollStep(7, 100, 8), -1);
    EXPECT_EQ(DragScrollStep(8, 100, 8), 0);
    EXPECT_EQ(DragScrollStep(91, 100, 8), 0);
    EXPECT_EQ(DragScrollStep(92, 100, 8), 1);
    EXPECT_EQ(DragScrollStep(300, 100, 8), 1);
}
