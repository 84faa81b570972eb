#include "QtMenuDialogs.h"

#include "ClassNameDialog.h"
#include "MenuItemDialog.h"

namespace quorlex {

QtMenuDialogs::QtMenuDialogs(QWidget* parent, Ui& ui)
    : m_ui(ui), m_item(new MenuItemDialog(parent)), m_className(new ClassNameDialog(parent)) {}

std::optional<MenuItemFields> QtMenuDialogs::EditItem(const MenuItemFields& fields) { return m_item->Ask(fields); }

std::optional<std::string> QtMenuDialogs::EditClassName(const std::string& text) { return m_className->Ask(text); }

std::optional<std::filesystem::path> QtMenuDialogs::AskOpenFile(const std::string& title,
                                                                const std::vector<std::string>& filters) {
    return m_ui.AskOpenFile({title, filters, FileKind::MenuStructure});
}

} // namespace quorlex
