#include "support/Fakes.h"

namespace quorlex::test {

void FakeBrowsers::Navigate(BrowserId browser, const std::string& address) { log.emplace_back(browser, address); }

void FakeBrowsers::ShowHtml(BrowserId browser, const std::string& html) { log.emplace_back(browser, "html:" + html); }

std::string FakeBrowsers::Shown(BrowserId browser) const {
    for (auto it = log.rbegin(); it != log.rend(); ++it)
        if (it->first == browser)
            return it->second;
    return {};
}

} // namespace quorlex::test
