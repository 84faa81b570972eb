#pragma once

#include <filesystem>
#include <string_view>

namespace quorlex {

namespace fs = std::filesystem;

// Topic numbers of the help controls; each opens its own page in the help viewer.
namespace helptopic {
constexpr int kOverview = 0;        // "Overview" in the bottom bar and the Help menu
constexpr int kSelectColors = 1;    // colors page, beside the color field
constexpr int kColorPresets = 2;    // colors page, among the preset buttons
constexpr int kFonts = 3;           // fonts page
constexpr int kImagePresets = 7;    // images page, among the preset buttons
constexpr int kLayouts = 8;         // layouts page, under "default"
constexpr int kExport = 10;         // export page
constexpr int kSelectTemplate = 11; // above the catalog
constexpr int kTweakImage = 12;     // images page, under "Select" and "Tweak"
constexpr int kDeleteImage = 13;    // images page, after "add", "delete" and "export"
constexpr int kImageEditor = 14;    // Help menu of the image editor
constexpr int kImageBrowser = 16;   // image browser
constexpr int kMenus = 17;          // menus page, among the tree buttons
constexpr int kMenuPresets = 18;    // menus page, among the preset buttons
constexpr int kPreviewToolbar = 19; // toolbar of the live preview
constexpr int kHoverCode = 20;      // "cssHover2.htc" code tab
constexpr int kCssCode = 21;        // "CSS Code" code tab
constexpr int kHtmlCode = 22;       // "XHTML Code" code tab
constexpr int kPages = 24;          // pages page
constexpr int kPublish = 25;        // "Publish" tab of the files page
constexpr int kSiteCheck = 26;      // "Check site" tab of the files page
} // namespace helptopic

// Pages of dialogs that have no topic number.
constexpr const char* kMenuItemHelpPage = "menus2.html";
constexpr const char* kClassNameHelpPage = "menus1.html";

// The page of a topic number; "index.html" for every number without a page of its own.
const char* HelpPageOf(int topic);

// A page of the help folder of the program folder.
fs::path HelpPagePath(const fs::path& appFolder, std::string_view page);

} // namespace quorlex
