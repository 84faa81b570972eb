#pragma once

#include "ports/Browsers.h"

namespace quorlex {

// Browser views of a run without a window: nothing is shown.
class NullBrowsers : public Browsers {
public:
    void ShowFile(BrowserId, const fs::path&) override {}
    void Navigate(BrowserId, const std::string&) override {}
    bool PatchStyles(BrowserId, const fs::path&, const StylePatch&) override { return true; }
    void ShowHtml(BrowserId, const std::string&) override {}
};

} // namespace quorlex
