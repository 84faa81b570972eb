#include "DropDownComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
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

void DropDownComboBox::OpenWhileTyping() {
    view()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (view()->isVisible())
            return;
        showPopup();
        view()->setCurrentIndex(QModelIndex()); // Enter keeps the typed text until an entry is chosen
    });
}

bool DropDownComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view() || event->type() != QEvent::KeyPress)
        return QComboBox::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !view()->currentIndex().isValid()) {
        hidePopup();
        QApplication::sendEvent(lineEdit(), event);
        return true;
    }
    if (enter || key->key() == Qt::Key_Escape || key->text().isEmpty())
        return QComboBox::eventFilter(watched, event);
    QApplication::sendEvent(lineEdit(), event); // typed text goes on into the box
    return true;
}

void DropDownComboBox::showPopup() {
    if (m_beforePopup)
        m_beforePopup();
    QComboBox::showPopup();
}

} // namespace quorlex
