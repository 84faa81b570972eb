#pragma once

#include "check/CheckFinding.h"
#include "check/CheckedPackage.h"

namespace quorlex {

// One kind of check over a read package; each adds its findings.
using CheckPass = void (*)(const CheckedPackage& package, CheckFindings& findings);

// Table placeholders found nowhere, placeholder-like text nobody declares, and stylesheet
// placeholders missing from the page.
void CheckPlaceholders(const CheckedPackage& package, CheckFindings& findings);
// Field elements of the XML files with a wrong letter case or an unknown name.
void CheckFieldNames(const CheckedPackage& package, CheckFindings& findings);
// Files the tables, the static files list and style_files.xml name.
void CheckNamedFiles(const CheckedPackage& package, CheckFindings& findings);
// The url() and @import addresses of the stylesheets, in the preview and in the finished site.
void CheckStyleSheetAddresses(const CheckedPackage& package, CheckFindings& findings);
// The names the program keeps for itself: template, temp, index_temp.html.
void CheckReservedNames(const CheckedPackage& package, CheckFindings& findings);

} // namespace quorlex
