#include "ports/Browsers.h"

#include "util/TextFile.h"

namespace quorlex {

void LoadHtmlIntoBrowser(Browsers& browsers, BrowserId browser, const std::string& html) {
    browsers.ShowHtml(browser, JoinLines(SplitLines(html)));
}

} // namespace quorlex
