#pragma once

#include "menus/MenuNode.h"
#include "menus/MenuPresets.h"
#include "menus/MenuTreeEdit.h"
#include "pagebase/TablePage.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorlex {

namespace fs = std::filesystem;
class MenuDialogs;

// "Menus:": the current menu, its editor tree with the selected node, the tree commands,
// structure files, the factory tree, the class name and the menu presets. Every change is
// written to the menu's menu.lyo and rebuilds the preview.
// Whether a menu's class name works as a CSS class: letters (of any script), digits, "-" and
// "_", not starting with a digit, "-" and a digit, or a dot.
bool IsCssClassName(std::string_view name);

class MenusPage : public TablePage<MenuVariable> {
public:
    explicit MenusPage(PageContext& context);

    // The dialogs the page opens; without them every dialog counts as cancelled.
    void SetDialogs(MenuDialogs* dialogs) { m_dialogs = dialogs; }

    const MenuTree& tree() const { return m_tree; }
    const std::optional<NodePath>& selectedNode() const { return m_selectedNode; }
    // Grows each time a load replaced the tree; the view then expands every node.
    unsigned loads() const { return m_loads; }
    MenuPresets& presets() { return m_presets; }

    // A click on the menu list; without a row nothing changes.
    void onMenuSelected(std::optional<size_t> row) {
        if (SelectRow(row))
            lvMenuselected();
    }
    // Reads the current menu's menu.lyo into the tree and selects its first node.
    void lvMenuselected();
    void SelectNode(std::optional<NodePath> path);

    // "add", "edit": true when the tree changed (the view then focuses the tree).
    bool Add();
    bool Edit();
    void Delete();
    // A drop on the node at `target` (none: empty area) after a press at `pressY`.
    void Drop(const std::optional<NodePath>& target, int pressY, int dropY);
    // The keyboard moves of the selected node; nothing is written when it cannot move.
    void Move(OutlineMove move);
    // Writes the tree to the current menu's menu.lyo, then rebuilds.
    void SaveMenuState();

    // "Open" and "Save" of a structure file.
    void OpenStructure();
    void SaveStructure();
    // "default": the menu's factory tree default.lyo.
    void Default();
    // "class name": the root's text.
    void ClassName();
    // The "Help" beside the tree buttons, and those of the item and class name dialogs.
    void Help();
    void ItemDialogHelp();
    void ClassNameHelp();

    // Reads a whole tree file and makes it the current tree (first node selected, stored,
    // rebuilt). A file that cannot be read or has a bad level changes nothing: the message
    // is shown and false returned.
    bool LoadTreeFile(const std::function<fs::path()>& file, const char* failure);
    // After an undo or redo put the menu files back: the tree is read again, without a
    // message for a missing file, and the selected node stays where it still exists.
    void ShowSelectedRow() override;
    // A new package: no menu, no tree.
    void Reset();

private:
    fs::path MenuFile(const std::string& name) const;
    TextEncoding Encoding() const;
    void SelectFirst();

    MenuDialogs* m_dialogs = nullptr;
    MenuPresets m_presets;
    MenuTree m_tree;
    std::optional<NodePath> m_selectedNode;
    unsigned m_loads = 0;
};

} // namespace quorlex
