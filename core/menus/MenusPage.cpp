#include "menus/MenusPage.h"

#include "help/HelpTopics.h"
#include "menus/MenuDialogs.h"
#include "menus/MenuItem.h"
#include "menus/MenuTexts.h"
#include "menus/MenuTreeText.h"
#include "pagebase/CustomizationStep.h"
#include "pagebase/PageAction.h"
#include "pagebase/PageContext.h"
#include "ports/Ui.h"
#include "util/NativeNames.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"
#include "workspace/TemplateWorkspace.h"

#include <algorithm>
#include <cctype>
namespace quorlex {

namespace {

// The caption of the node at `path`, for the name of an undo step.
std::string CaptionAt(const MenuTree& tree, const std::optional<NodePath>& path) {
    const MenuNode* node = path ? NodeAt(tree, *path) : nullptr;
    return node ? std::string(TrimControls(SplitMenuItem(node->text).caption)) : std::string();
}

} // namespace

MenusPage::MenusPage(PageContext& context) : TablePage(context, &VariableTables::menus), m_presets(context, *this) {}

fs::path MenusPage::MenuFile(const std::string& name) const {
    return m_context.workspace()->PackageFile(SelectedRow()->folder + name);
}

TextEncoding MenusPage::Encoding() const { return m_context.workspace()->encoding; }

void MenusPage::SelectFirst() { m_selectedNode = m_tree.empty() ? std::nullopt : std::optional<NodePath>(NodePath{0}); }

void MenusPage::lvMenuselected() {
    if (!SelectedRow())
        return;
    m_tree.clear();
    m_selectedNode.reset();
    RunPageAction(m_context.ui(), menutexts::kLoadFailed, FailureBox::Information,
                  [&] { ReadMenuTree(m_tree, MenuFile("menu.lyo"), Encoding()); });
    ++m_loads;
    SelectFirst();
}

void MenusPage::ShowSelectedRow() {
    if (!SelectedRow())
        return;
    m_tree.clear();
    // A file the undo removed leaves the tree empty, as it was before the step.
    RunPageAction(m_context.ui(), menutexts::kLoadFailed, FailureBox::Information, [&] {
        if (const std::optional<std::string> bytes = ReadFileIfPresent(MenuFile("menu.lyo")))
            ParseMenuTree(m_tree, DecodeOwnText(*bytes, Encoding()));
    });
    ++m_loads;
    if (!m_selectedNode || !NodeAt(m_tree, *m_selectedNode))
        SelectFirst();
}

void MenusPage::SelectNode(std::optional<NodePath> path) {
    m_selectedNode = path && NodeAt(m_tree, *path) ? path : std::nullopt;
}

bool MenusPage::Add() {
    if (!SelectedRow())
        return false;
    CustomizationStep step(m_context, std::string("add menu item ") + menutexts::kRootText);
    if (m_selectedNode) {
        if (!m_dialogs)
            return false;
        const auto fields = m_dialogs->EditItem({menutexts::kNewCaption, menutexts::kNewLink, ""});
        if (!fields)
            return false;
        // A leading blank or TAB would read back as a deeper level.
        const std::string caption(TrimControls(fields->caption));
        step.SetLabel("add menu item " + caption);
        AppendChild(m_tree, *m_selectedNode, JoinMenuItem(caption, fields->link, fields->target));
    } else if (!m_tree.empty()) {
        m_context.ui().Inform(menutexts::kSelectParent);
        return false;
    } else {
        m_tree.insert(m_tree.begin(), MenuNode{menutexts::kRootText, {}});
        m_selectedNode = NodePath{0};
    }
    SaveMenuState();
    return true;
}

bool MenusPage::Edit() {
    if (!SelectedRow())
        return false;
    if (!m_selectedNode || m_selectedNode->size() == 1) {
        m_context.ui().Inform(menutexts::kSelectItem);
        return false;
    }
    MenuNode& node = *NodeAt(m_tree, *m_selectedNode);
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
    if (!SelectedRow())
        return;
    if (!m_selectedNode) {
        m_context.ui().Inform(menutexts::kSelectToDelete);
        return;
    }
    if (m_selectedNode->size() == 1)
        return;
    if (m_context.ui().ConfirmLoss(menutexts::kDeleteQuestion) != Answer::Yes)
        return;
    CustomizationStep step(m_context, "delete menu item " + CaptionAt(m_tree, m_selectedNode));
    m_selectedNode = RemoveNode(m_tree, *m_selectedNode);
    SaveMenuState();
}

void MenusPage::Drop(const std::optional<NodePath>& target, int pressY, int dropY) {
    if (!SelectedRow())
        return;
    CustomizationStep step(m_context, "move menu item " + CaptionAt(m_tree, m_selectedNode));
    if (target && m_selectedNode) {
        if (auto moved = DropMenuNode(m_tree, *m_selectedNode, *target, DropDirectionOf(pressY, dropY)))
            m_selectedNode = std::move(moved);
    }
    SaveMenuState();
}

void MenusPage::Move(OutlineMove move) {
    if (!SelectedRow() || !m_selectedNode)
        return;
    CustomizationStep step(m_context, "move menu item " + CaptionAt(m_tree, m_selectedNode));
    auto moved = MoveMenuNode(m_tree, *m_selectedNode, move);
    if (!moved)
        return;
    m_selectedNode = std::move(moved);
    SaveMenuState();
}

void MenusPage::SaveMenuState() {
    if (SelectedRow())
        RunPageAction(m_context.ui(), menutexts::kSaveFailed, FailureBox::Information,
                      [&] { WriteMenuTree(m_tree, MenuFile("menu.lyo"), Encoding()); });
    else
        m_context.ui().Inform(menutexts::kSaveFailed);
    m_context.Rebuildtemplate();
}

bool MenusPage::LoadTreeFile(const std::function<fs::path()>& file, const char* failure) {
    // Read in full first: a damaged file leaves the tree and menu.lyo as they are.
    MenuTree tree;
    if (!RunPageAction(m_context.ui(), failure, FailureBox::Information,
                       [&] { ReadMenuTree(tree, file(), Encoding()); }))
        return false;
    m_tree = std::move(tree);
    ++m_loads;
    SelectFirst();
    SaveMenuState();
    return true;
}

void MenusPage::OpenStructure() {
    if (!SelectedRow()) {
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
    if (!SelectedRow()) {
        m_context.ui().Inform(menutexts::kSelectMenu);
        return;
    }
    const auto file = m_context.ui().AskSaveFile({menutexts::kSaveTitle,
                                                  {menutexts::kStructureFilter, menutexts::kAllFilesFilter},
                                                  "",
                                                  menutexts::kStructureSuffix,
                                                  FileKind::MenuStructure});
    if (!file)
        return;
    if (TrimControls(file->filename().string()).empty()) {
        m_context.ui().Inform(menutexts::kEnterFileName);
        return;
    }
    RunPageAction(m_context.ui(), menutexts::kStructureSaveFailed, FailureBox::Information,
                  [&] { WriteMenuTree(m_tree, *file, Encoding()); });
}

void MenusPage::Default() {
    if (!SelectedRow())
        return;
    CustomizationStep step(m_context, "menu default");
    LoadTreeFile([&] { return MenuFile("default.lyo"); }, menutexts::kDefaultLoadFailed);
}

void MenusPage::ClassName() {
    if (!SelectedRow() || !m_dialogs)
        return;
    // An empty tree gets its root from the dialog, as "add" would start it.
    const std::string current = m_tree.empty() ? menutexts::kRootText : m_tree.front().text;
    const auto text = m_dialogs->EditClassName(current);
    if (!text)
        return;
    if (!IsCssClassName(*text)) {
        m_context.ui().Inform("\"" + *text + "\" cannot be a class name: " + menutexts::kClassNameRule);
        return;
    }
    CustomizationStep step(m_context, "menu class name");
    if (m_tree.empty()) {
        m_tree.push_back(MenuNode{*text, {}});
        m_selectedNode = NodePath{0};
    } else {
        m_tree.front().text = *text;
    }
    SaveMenuState();
}

bool IsCssClassName(std::string_view name) {
    if (name.empty())
        return false;
    const auto first = static_cast<unsigned char>(name[0]);
    if (std::isdigit(first) || first == '.' ||
        (first == '-' && name.size() > 1 && std::isdigit(static_cast<unsigned char>(name[1]))))
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return std::isalnum(u) || u == '-' || u == '_' || u >= 0x80; // letters of every script
    });
}

void MenusPage::Help() { m_context.HelpRequested(helptopic::kMenus); }

void MenusPage::ItemDialogHelp() { m_context.ShowHelpPage(kMenuItemHelpPage); }

void MenusPage::ClassNameHelp() { m_context.ShowHelpPage(kClassNameHelpPage); }

void MenusPage::Reset() {
    m_selected.reset();
    m_tree.clear();
    m_selectedNode.reset();
    ++m_loads;
    m_presets.Reset();
}

} // namespace quorlex
