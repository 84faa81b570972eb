#pragma once

#include "check/CheckFinding.h"

#include <filesystem>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// Reads the package in `folder` as loading and generation do, changing nothing, and returns
// its mistakes ordered by file and line. Throws Error when the package cannot be read at all.
CheckFindings CheckPackage(const fs::path& folder);

// The same for the template of catalog folder `folderName` under the templates folder.
CheckFindings CheckInstalledTemplate(const fs::path& templatesFolder, const std::string& folderName);

// "No findings.", "1 finding." or "N findings."
std::string CheckSummary(const CheckFindings& findings);

// A finding on one line: "file:line: text Fix: fix" (the line left out when it is 0).
std::string FindingLine(const CheckFinding& finding);

} // namespace quorlex
