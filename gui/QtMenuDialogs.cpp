#include "QtMenuDialogs.h"

#include "ClassNameDialog.h"
#include "MenuItemDialog.h"
#include "QtText.h"

#include <QFileDialog>

namespace quorlex {

QtMenuDialogs::QtMenuDialogs(QWidget* parent)
    : m_parent(parent), m_item(new MenuItemDialog(parent)), m_className(new ClassNameDialog(parent)) {}

std::optional<MenuItemFields> QtMenuDialogs::EditItem(const MenuItemFields& fields) { return m_item->Ask(fields); }

std::optional<std::string> QtMenuDialogs::EditClassName(const std::string& text) { return m_className->Ask(text); }

std::optional<std::filesystem::path> QtMenuDialogs::AskOpenFile(const std::string& title,
                                                                const std::vector<std::string>& filters) {
    QStringList names;
    for (const auto& filter : filters)
        names << ToQt(filter);
    const QString file =
        QFileDialog::getOpenFileName(m_parent, ToQt(title), QString(), names.join(QStringLiteral(";;")));
    if (file.isEmpty())
        return std::nullopt;
    return PathFromQt(file);
}

} // namespace quorlex
