#pragma once

#include "menus/MenuDialogs.h"
#include "ports/Ui.h"

class QWidget;

namespace quorlex {

class ClassNameDialog;
class MenuItemDialog;

// The Menus page's dialogs, created once over the page and reused.
class QtMenuDialogs : public MenuDialogs {
public:
    // Structure files are opened with the window's own open dialog.
    QtMenuDialogs(QWidget* parent, Ui& ui);

    std::optional<MenuItemFields> EditItem(const MenuItemFields& fields) override;
    std::optional<std::string> EditClassName(const std::string& text) override;
    std::optional<std::filesystem::path> AskOpenFile(const std::string& title,
                                                     const std::vector<std::string>& filters) override;

    MenuItemDialog* itemDialog() const { return m_item; }
    ClassNameDialog* classNameDialog() const { return m_className; }

private:
    Ui& m_ui;
    MenuItemDialog* m_item;
    ClassNameDialog* m_className;
};

} // namespace quorlex
