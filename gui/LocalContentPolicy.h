#pragma once

#include <QWebEngineUrlRequestInterceptor>

class QWebEngineView;

namespace quorlex {

// Template pages come from anywhere. A local page may load the files of its own folder and
// below, nothing from other local folders and nothing from the network; a remote page (the
// maker's pages in the help viewer) loads as a web page does.
class LocalContentPolicy : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

    // Whether a page at `firstParty` may load `request`.
    static bool Allows(const QUrl& firstParty, const QUrl& request);
};

// Settings for a view that shows untrusted pages: no plugins, no clipboard, no pop-ups, no
// remote loads from local pages; the profile's requests pass the policy above.
void RestrictToLocalContent(QWebEngineView* view);

} // namespace quorlex
