#pragma once

#include <QEvent>
#include <QObject>
#include <QResizeEvent>
#include <functional>

namespace quorlex {

// Tells `follow` the new size each time the watched widget is resized.
class ResizeFollower : public QObject {
public:
    ResizeFollower(QObject* parent, std::function<void(const QSize&)> follow)
        : QObject(parent), m_follow(std::move(follow)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            m_follow(static_cast<QResizeEvent*>(event)->size());
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(const QSize&)> m_follow;
};

} // namespace quorlex
