#include "QtUi.h"

#include "QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace quorlex {

void QtUi::Inform(const std::string& text) {
    QMessageBox::information(m_window, QApplication::applicationDisplayName(), ToQt(text));
}

void QtUi::ShowError(const std::string& text) {
    QMessageBox::critical(m_window, QApplication::applicationDisplayName(), ToQt(text));
}

void QtUi::SuspendUpdates() {
    if (m_suspended++ == 0 && m_window)
        m_window->setUpdatesEnabled(false);
}

void QtUi::ResumeUpdates() {
    if (--m_suspended == 0 && m_window)
        m_window->setUpdatesEnabled(true);
}

} // namespace quorlex
