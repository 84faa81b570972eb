#pragma once

#include "ports/Browsers.h"

#include <QUrl>
#include <map>

class QWebEngineView;

namespace quorlex {

// The embedded browser views, addressed by their role.
class QtBrowsers : public Browsers {
public:
    void Attach(BrowserId browser, QWebEngineView* view) { m_views[browser] = view; }

    void ShowFile(BrowserId browser, const fs::path& file) override;
    void Navigate(BrowserId browser, const std::string& address) override;
    bool PatchStyles(BrowserId browser, const fs::path& file, const StylePatch& patch) override;
    void ShowHtml(BrowserId browser, const std::string& html) override;

private:
    void Show(BrowserId browser, const QUrl& url);
    std::map<BrowserId, QWebEngineView*> m_views;
};

} // namespace quorlex
