#pragma once

#include "util/Notices.h"
#include "workspace/TemplateWorkspace.h"

#include <filesystem>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// The pages as the program's own XML text (UTF-8), and back. Reading throws Error naming the
// line of a damaged text; the pages are then left as they were.
std::string SiteXml(const SitePages& site);
SitePages ParseSiteXml(const std::string& xml);

// The package's pages file: a missing file is the template's one page. Writing a one-page
// site removes the file, so an untouched package stays as shipped. Both throw Error.
SitePages ReadSiteFile(const fs::path& file);
void WriteSiteFile(const SitePages& site, const fs::path& file);

// The loaded package's pages. A damaged file goes into `notices` and no page is loaded: it
// never keeps the template from loading.
void LoadSite(TemplateWorkspace& ws, Notices& notices);

} // namespace quorlex
