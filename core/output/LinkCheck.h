#pragma once

#include "output/SiteFinding.h"
#include "workspace/TemplateWorkspace.h"

#include <filesystem>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

// The links of a generated site: its index.html and the stylesheets it loads (also through
// @import), and the items of each menu the page shows. Finds addresses of files the site
// folder lacks (or holds in other letter case), addresses that leave the site folder, and menu
// items without a link ("" or "#"). Each missing file is named once; a menu item's finding
// names the item. Throws Error when the page cannot be read.
std::vector<SiteFinding> CheckLinks(const fs::path& siteFolder, const TemplateWorkspace& ws);

} // namespace quorlex
