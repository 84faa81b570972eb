#pragma once

#include "ports/StylePatch.h"

#include <filesystem>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// The embedded browser views of the main window.
enum class BrowserId { CatalogInfo, LivePreview, TemplateHelp };

class Browsers {
public:
    virtual ~Browsers() = default;
    // Shows a local file.
    virtual void ShowFile(BrowserId browser, const fs::path& file) = 0;
    // Shows a web address ("about:blank", "http://..."), written as program text.
    virtual void Navigate(BrowserId browser, const std::string& address) = 0;
    // Brings the shown page up to date with `file` by replacing the text of its style blocks,
    // which may happen before `file` is written; false when the view cannot (still loading,
    // showing another page), and the caller shows `file` once it is written. A page whose
    // blocks turn out not to be the expected ones loads `file` later.
    virtual bool PatchStyles(BrowserId browser, const fs::path& file, const StylePatch& patch) = 0;
    // Shows HTML text without writing a file; the text is Windows-1252.
    virtual void ShowHtml(BrowserId browser, const std::string& html) = 0;
};

// Shows an HTML string: its lines, each followed by CR LF.
void LoadHtmlIntoBrowser(Browsers& browsers, BrowserId browser, const std::string& html);

} // namespace quorlex
