#pragma once

#include "workspace/TemplateWorkspace.h"

#include <string>

namespace quorlex {

// The page rebuilt from the template page and the current tables, in the order layouts,
// colors, fonts, images, menus. Reads the layout fragments and menu trees from disk; throws
// Error when one cannot be read.
std::string BuildWorkingPage(const TemplateWorkspace& ws);
// The same into `page`, reusing the memory of `page` and `scratch`: a large page rebuilt
// again and again then costs no fresh allocations. `page` is untouched when reading fails.
void BuildWorkingPage(const TemplateWorkspace& ws, std::string& page, std::string& scratch);

// The preview file of the workspace (TemplateFolder + tempfile).
fs::path PreviewFile(const TemplateWorkspace& ws);

} // namespace quorlex
