#pragma once

#include <QPointF>
#include <QWebEngineView>

namespace quorlex {

// A browser view that, when it loads the address it already shows, scrolls back to where
// the user was once the page has loaded again.
class PreviewBrowser : public QWebEngineView {
    Q_OBJECT
public:
    explicit PreviewBrowser(QWidget* parent = nullptr);
    void Show(const QUrl& url);

private:
    void RestoreScroll(bool ok);

    QPointF m_restore;
    bool m_pendingRestore = false;
};

} // namespace quorlex
