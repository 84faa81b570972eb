#include "DropDownComboBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace quorlex {

DropDownComboBox::DropDownComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(10);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(6);
    // The box would otherwise pick a matching entry, in any letter case, when it loses the focus.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(lineEdit(), &QLineEdit::returnPressed, this, &DropDownComboBox::entered);
}

void DropDownComboBox::Show(const QStringList& entries, const QString& text) {
    const QSignalBlocker blocker(this);
    QStringList current;
    for (int i = 0; i < count(); ++i)
        current << itemText(i);
    if (current != entries) {
        clear();
        addItems(entries);
    }
    setCurrentIndex(entries.isEmpty() ? -1 : 0);
    setEditText(text);
}

void DropDownComboBox::showPopup() {
    if (m_beforePopup)
        m_beforePopup();
    QComboBox::showPopup();
}

} // namespace quorlex
