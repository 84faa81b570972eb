#pragma once

#include "ports/StylePatch.h"

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
    // Replaces the text of the shown page's style blocks when it shows `url` and has finished
    // loading; false otherwise. When the page's blocks are not the expected ones, loads `url`.
    bool PatchStyles(const QUrl& url, const StylePatch& patch);

private:
    void RestoreScroll(bool ok);

    bool m_loading = false;
    QPointF m_restore;
    bool m_pendingRestore = false;
};

} // namespace quorlex
