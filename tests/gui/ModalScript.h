#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace quorlex::test {

// Runs `act` once `window` is shown (a modal dialog's exec() blocks the test until it closes),
// polling every 20 ms for at most 10 s.
inline void WhenShown(QWidget* window, std::function<void()> act) {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [window, act = std::move(act), timer, poll] {
        if (window->isVisible() || timer->elapsed() > 10000) {
            act();
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(20, *poll);
    };
    QTimer::singleShot(0, *poll);
}

} // namespace quorlex::test
