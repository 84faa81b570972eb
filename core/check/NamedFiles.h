#pragma once

#include "check/CheckFinding.h"
#include "check/PackageFiles.h"

#include <string>

namespace quorlex {

// The finding for a named file that is missing, differs in letter case or lies outside the
// package; nothing for one that is found. `what` says who names it ("The image \"Logo\"").
void NoteLocatedFile(CheckFindings& findings, const std::string& file, size_t line, const std::string& what,
                     const std::string& written, const LocatedFile& located);

} // namespace quorlex
