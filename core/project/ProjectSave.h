#pragma once

#include "util/Notices.h"
#include "workspace/TemplateWorkspace.h"

#include <string>

namespace quorlex {

// The project file of the workspace's current settings, lines ended by CR LF: the template
// ID, then a section per table the package has. The XML sections are the package's own
// table files with the stored fields replaced, written through the scratch folder "temp".
// Throws Error with the message of the section that failed; nothing is written but scratch
// files. A menu tree that cannot be read goes into `problems` and is stored empty.
std::string BuildProject(const TemplateWorkspace& ws, Notices& problems);

} // namespace quorlex
