#pragma once

#include "menus/MenuItem.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quorlex {

// "mnuEditor": caption, link and target of one menu item; the link may be picked from the
// site's pages.
class MenuItemDialog : public QDialog {
    Q_OBJECT
public:
    explicit MenuItemDialog(QWidget* parent = nullptr);

    // Shows the fields with the caption focused; nothing when the user cancels.
    std::optional<MenuItemFields> Ask(const MenuItemFields& fields);

    QLineEdit* captionField() const { return m_caption; }
    QLineEdit* linkField() const { return m_link; }
    QComboBox* targetBox() const { return m_target; }
    QComboBox* pageChoice() const { return m_pages; }
    // The site's pages offered as links; the choice shows only for a site of several pages.
    void SetPages(const QStringList& pages);
    QPushButton* helpButton() const { return m_help; }

private:
    QLineEdit* m_caption;
    QLineEdit* m_link;
    QComboBox* m_target;
    QComboBox* m_pages;
    QPushButton* m_help;
};

} // namespace quorlex
