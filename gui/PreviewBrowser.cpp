#include "PreviewBrowser.h"

#include "LocalContentPolicy.h"

#include <QWebEnginePage>

namespace quorlex {

PreviewBrowser::PreviewBrowser(QWidget* parent) : QWebEngineView(parent) {
    RestrictToLocalContent(this);
    connect(this, &QWebEngineView::loadFinished, this, &PreviewBrowser::RestoreScroll);
}

void PreviewBrowser::Show(const QUrl& url) {
    m_pendingRestore = url == this->url();
    if (m_pendingRestore)
        m_restore = page()->scrollPosition();
    load(url);
}

void PreviewBrowser::RestoreScroll(bool ok) {
    if (!ok || !m_pendingRestore)
        return;
    m_pendingRestore = false;
    page()->runJavaScript(QStringLiteral("window.scrollTo(%1, %2);").arg(m_restore.x()).arg(m_restore.y()));
}

} // namespace quorlex
