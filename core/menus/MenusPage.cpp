#include "menus/MenusPage.h"

#include "customize/CustomizationStep.h"
#include "customize/PageContext.h"
#include "help/HelpTopics.h"
#include "menus/MenuDialogs.h"
#include "menus/MenuItem.h"
#include "menus/MenuTexts.h"
#include "menus/MenuTreeText.h"
#include "ports/Ui.h"
#include "util/NativeNames.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"
#include "workspace/TemplateWorkspace.h"

namespace quorlex {

namespace {

// The caption of the node at `path`, for the name of an undo step.
std::string CaptionAt(const MenuTree& tree, const std::optional<NodePath>& path) {
    const MenuNode* node = path ? NodeAt(tree, *path) : nullptr;
    return node ? std::string(TrimControls(SplitMenuItem(node->text).caption)) : std::string();
}

} // namespace

MenusPage::MenusPage(PageContext& context) : m_context(context), m_presets(context, *this) {}

const MenuVariable* MenusPage::CurrentMenu() const {
    const TemplateWorkspace* ws = m_context.workspace();
    if (!ws || !m_current || *m_current >= ws->tables.menus.size())
        return nullptr;
    return &ws->tables.menus[*m_current];
}

fs::path MenusPage::MenuFile(const std::string& name) const {
    return m_context.workspace()->PackageFile(CurrentMenu()->folder + name);
}

void MenusPage::SelectFirst() {
    m_selected = m_tree.empty() ? std::nullopt : std::optional<NodePath>(NodePath{0});
}

void MenusPage::onMenuSelected(std::optional<size_t> row) {
    const TemplateWorkspace* ws = m_context.workspace();
    if (!row || !ws || *row >= ws->tables.menus.size())
        return;
    m_current = row;
    lvMenuselected();
}

void MenusPage::lvMenuselected() {
    if (!CurrentMenu())
        return;
    m_tree.clear();
    m_selected.reset();
    try {
        ParseMenuTree(m_tree, ReadFileBytes(MenuFile("menu.lyo")));
    } catch (const std::exception&) {
        m_context.ui().Inform(menutexts::kLoadFailed);
    }
    ++m_loads;
    SelectFirst();
}

void MenusPage::FilesRestored() {
    if (!CurrentMenu())
        return;
    m_tree.clear();
    try {
        ParseMenuTree(m_tree, ReadFileBytes(MenuFile("menu.lyo")));
    } catch (const std::exception&) {
        // A file the undo removed: the tree is empty, as it was before the step.
    }
    ++m_loads;
    if (!m_selected || !NodeAt(m_tree, *m_selected))
        SelectFirst();
}

void MenusPage::SelectNode(std::optional<NodePath> path) {
    m_selected = path && NodeAt(m_tree, *path) ? path : std::nullopt;
}

bool MenusPage::Add() {
    if (!CurrentMenu())
        return false;
    CustomizationStep step(m_context, std::string("add menu item ") + menutexts::kRootText);
    if (m_selected) {
        if (!m_dialogs)
            return false;
        const auto fields = m_dialogs->EditItem({menutexts::kNewCaption, menutexts::kNewLink, ""});
        if (!fields)
            return false;
        // A leading blank or TAB would read back as a deeper level.
        const std::string caption(TrimControls(fields->caption));
        step.SetLabel("add menu item " + caption);
        AppendChild(m_tree, *m_selected, JoinMenuItem(caption, fields->link, fields->target));
    } else if (!m_tree.empty()) {
        m_context.ui().Inform(menutexts::kSelectParent);
        return false;
    } else {
        m_tree.insert(m_tree.begin(), MenuNode{menutexts::kRootText, {}});
        m_selected = NodePath{0};
    }
    SaveMenuState();
    return true;
}

bool MenusPage::Edit() {
    if (!CurrentMenu())
        return false;
    if (!m_selected || m_selected->size() == 1) {
        m_context.ui().Inform(menutexts::kSelectItem);
        return false;
    }
    MenuNode& node = *NodeAt(m_tree, *m_selected);
    const MenuItemFields stored = SplitMenuItem(node.text);
    const MenuItemFields shown{std::string(TrimControls(stored.caption)), std::string(TrimControls(stored.link)),
                               std::string(TrimControls(stored.target))};
    const auto fields = m_dialogs ? m_dialogs->EditItem(shown) : std::nullopt;
    if (!fields)
        return false;
    const std::string caption(TrimControls(fields->caption));
    CustomizationStep step(m_context, "edit menu item " + caption);
    node.text = JoinMenuItem(caption, fields->link, fields->target);
    SaveMenuState();
    return true;
}

void MenusPage::Delete() {
    if (!CurrentMenu())
        return;
    if (!m_selected) {
        m_context.ui().Inform(menutexts::kSelectToDelete);
        return;
    }
    if (m_selected->size() == 1)
        return;
    if (m_context.ui().Confirm(menutexts::kDeleteQuestion) != Answer::Yes)
        return;
    CustomizationStep step(m_context, "delete menu item " + CaptionAt(m_tree, m_selected));
    m_selected = RemoveNode(m_tree, *m_selected);
    SaveMenuState();
}

void MenusPage::Drop(const std::optional<NodePath>& target, int pressY, int dropY) {
    if (!CurrentMenu())
        return;
    CustomizationStep step(m_context, "move menu item " + CaptionAt(m_tree, m_selected));
    if (target && m_selected) {
        if (auto moved = DropMenuNode(m_tree, *m_selected, *target, DropDirectionOf(pressY, dropY)))
            m_selected = std::move(moved);
    }
    SaveMenuState();
}

void MenusPage::Move(OutlineMove move) {
    if (!CurrentMenu() || !m_selected)
        return;
    CustomizationStep step(m_context, "move menu item " + CaptionAt(m_tree, m_selected));
    auto moved = MoveMenuNode(m_tree, *m_selected, move);
    if (!moved)
        return;
    m_selected = std::move(moved);
    SaveMenuState();
}

void MenusPage::SaveMenuState() {
    bool written = false;
    if (CurrentMenu()) {
        try {
            WriteMenuTree(m_tree, MenuFile("menu.lyo"));
            written = true;
        } catch (const std::exception&) {
        }
    }
    if (!written)
        m_context.ui().Inform(menutexts::kSaveFailed);
    m_context.Refresh();
}

bool MenusPage::LoadTreeFile(const std::function<fs::path()>& file, const char* failure) {
    // Read in full first: a damaged file leaves the tree and menu.lyo as they are.
    MenuTree tree;
    try {
        ParseMenuTree(tree, ReadFileBytes(file()));
    } catch (const std::exception&) {
        m_context.ui().Inform(failure);
        return false;
    }
    m_tree = std::move(tree);
    ++m_loads;
    SelectFirst();
    SaveMenuState();
    return true;
}

void MenusPage::OpenStructure() {
    if (!CurrentMenu()) {
        m_context.ui().Inform(menutexts::kSelectMenu);
        return;
    }
    const auto file = m_dialogs ? m_dialogs->AskOpenFile(menutexts::kOpenTitle,
                                                         {menutexts::kStructureFilter, menutexts::kAllFilesFilter})
                                : std::nullopt;
    if (!file)
        return;
    CustomizationStep step(m_context, "menu structure " + PathToProgramText(file->filename()));
    LoadTreeFile([&] { return *file; }, menutexts::kStructureLoadFailed);
}

void MenusPage::SaveStructure() {
    if (!CurrentMenu()) {
        m_context.ui().Inform(menutexts::kSelectMenu);
        return;
    }
    const auto file = m_context.ui().AskSaveFile(
        {menutexts::kSaveTitle, {menutexts::kStructureFilter, menutexts::kAllFilesFilter}, "",
         menutexts::kStructureSuffix});
    if (!file)
        return;
    if (TrimControls(file->filename().string()).empty()) {
        m_context.ui().Inform(menutexts::kEnterFileName);
        return;
    }
    try {
        WriteMenuTree(m_tree, *file);
    } catch (const std::exception&) {
        m_context.ui().Inform(menutexts::kStructureSaveFailed);
    }
}

void MenusPage::Default() {
    if (!CurrentMenu())
        return;
    CustomizationStep step(m_context, "menu default");
    LoadTreeFile([&] { return MenuFile("default.lyo"); }, menutexts::kDefaultLoadFailed);
}

void MenusPage::ClassName() {
    if (!CurrentMenu() || !m_dialogs)
        return;
    // An empty tree gets its root from the dialog, as "add" would start it.
    const std::string current = m_tree.empty() ? menutexts::kRootText : m_tree.front().text;
    const auto text = m_dialogs->EditClassName(current);
    if (!text)
        return;
    CustomizationStep step(m_context, "menu class name");
    if (m_tree.empty()) {
        m_tree.push_back(MenuNode{*text, {}});
        m_selected = NodePath{0};
    } else {
        m_tree.front().text = *text;
    }
    SaveMenuState();
}

void MenusPage::Help() { m_context.HelpRequested(helptopic::kMenus); }

void MenusPage::ItemDialogHelp() { m_context.ShowHelpPage(kMenuItemHelpPage); }

void MenusPage::ClassNameHelp() { m_context.ShowHelpPage(kClassNameHelpPage); }

void MenusPage::Reset() {
    m_current.reset();
    m_tree.clear();
    m_selected.reset();
    ++m_loads;
    m_presets.Reset();
}

} // namespace quorlex
