#pragma once

#include <string>

namespace quorlex {

// The embedded browser views of the main window.
enum class BrowserId { CatalogInfo, LivePreview, TemplateHelp };

class Browsers {
public:
    virtual ~Browsers() = default;
    // Shows a local file (native path) or a web address.
    virtual void Navigate(BrowserId browser, const std::string& address) = 0;
    // Shows HTML text without writing a file; the text is Windows-1252.
    virtual void ShowHtml(BrowserId browser, const std::string& html) = 0;
};

// Shows an HTML string: its lines, each followed by CR LF.
void LoadHtmlIntoBrowser(Browsers& browsers, BrowserId browser, const std::string& html);

} // namespace quorlex
