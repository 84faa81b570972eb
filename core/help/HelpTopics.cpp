#include "help/HelpTopics.h"

#include <map>

namespace quorlex {

const char* HelpPageOf(int topic) {
    static const std::map<int, const char*> pages{
        {helptopic::kSelectColors, "select_colors.html"},
        {helptopic::kColorPresets, "presets.html"},
        {helptopic::kFonts, "fonts.html"},
        {helptopic::kImagePresets, "images.html"},
        {helptopic::kLayouts, "layouts.html"},
        {helptopic::kExport, "export.html"},
        {helptopic::kSelectTemplate, "select_template.html"},
        {helptopic::kTweakImage, "tweak.html"},
        {helptopic::kDeleteImage, "deleteimage.html"},
        {helptopic::kImageEditor, "tweak_editor.html"},
        {helptopic::kImageBrowser, "imagebrowser.html"},
        {helptopic::kMenus, "menus.html"},
        {helptopic::kMenuPresets, "menus_presets.html"},
        {helptopic::kPreviewToolbar, "toolbar.html"},
        {helptopic::kHoverCode, "csshover.html"},
        {helptopic::kCssCode, "cssfile.html"},
        {helptopic::kHtmlCode, "htmlfile.html"},
        {helptopic::kPages, "pages.html"},
        {helptopic::kPublish, "publish.html"},
        {helptopic::kSiteCheck, "sitecheck.html"},
    };
    const auto it = pages.find(topic);
    return it == pages.end() ? "index.html" : it->second;
}

fs::path HelpPagePath(const fs::path& appFolder, std::string_view page) {
    return appFolder / "help" / fs::path(std::string(page));
}

} // namespace quorlex
