#include "QtBrowsers.h"

#include "PreviewBrowser.h"
#include "QtText.h"

namespace quorlex {

QUrl QtBrowsers::AddressToUrl(const std::string& address) {
    if (!address.empty() && address.front() == '/')
        return QUrl::fromLocalFile(PathToQt(address));
    return QUrl(ToQt(address));
}

void QtBrowsers::Navigate(BrowserId browser, const std::string& address) {
    const auto it = m_views.find(browser);
    if (it == m_views.end())
        return;
    const QUrl url = AddressToUrl(address);
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
