#include "QtBrowsers.h"

#include "PreviewBrowser.h"
#include "QtText.h"

namespace quorlex {

void QtBrowsers::ShowFile(BrowserId browser, const fs::path& file) {
    Show(browser, QUrl::fromLocalFile(PathToQt(file)));
}

void QtBrowsers::Navigate(BrowserId browser, const std::string& address) { Show(browser, QUrl(ToQt(address))); }

bool QtBrowsers::PatchStyles(BrowserId browser, const fs::path& file, const StylePatch& patch) {
    const auto it = m_views.find(browser);
    if (it == m_views.end())
        return true;
    auto* preview = qobject_cast<PreviewBrowser*>(it->second);
    return preview && preview->PatchStyles(QUrl::fromLocalFile(PathToQt(file)), patch);
}

void QtBrowsers::Show(BrowserId browser, const QUrl& url) {
    const auto it = m_views.find(browser);
    if (it == m_views.end())
        return;
    if (auto* preview = qobject_cast<PreviewBrowser*>(it->second))
        preview->Show(url);
    else
        it->second->load(url);
}

void QtBrowsers::ShowHtml(BrowserId browser, const std::string& html) {
    const auto it = m_views.find(browser);
    if (it != m_views.end())
        it->second->setHtml(ToQt(html));
}

} // namespace quorlex
