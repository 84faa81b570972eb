#include "GuardedApplication.h"

#include "QtText.h"
#include "util/UserMessage.h"

#include <QMessageBox>

namespace quorlex {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QMessageBox::critical(activeWindow(), applicationName(), ToQt(UserMessage(error)));
    }
    return false;
}

} // namespace quorlex
