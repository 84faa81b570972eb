#pragma once

#include "check/CheckFinding.h"
#include "util/TextEncoding.h"

#include <string>
#include <string_view>

namespace quorlex {

// Each compares what a file declares (byte order mark, charset, @charset, XML declaration)
// with its bytes, and notes a declared name the program cannot read. `file` names the file in
// the findings.
TextEncoding CheckPageEncoding(const std::string& file, std::string_view bytes, CheckFindings& findings);
void CheckStyleSheetEncoding(const std::string& file, std::string_view bytes, TextEncoding page,
                             CheckFindings& findings);
void CheckXmlEncoding(const std::string& file, std::string_view bytes, CheckFindings& findings);

} // namespace quorlex
