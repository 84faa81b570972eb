#pragma once

#include <QApplication>

namespace quorlex {

// The application object; an exception that escapes a handler becomes an error box instead of
// ending the program.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace quorlex
