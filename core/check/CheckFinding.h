#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quorlex {

// One mistake the package check found. `file` is package-relative with "/" separators; `line`
// counts from 1 and is 0 when the finding has no line.
struct CheckFinding {
    std::string file;
    size_t line = 0;
    std::string kind;
    std::string text;
    std::string fix;
};

using CheckFindings = std::vector<CheckFinding>;

// The kinds of finding.
namespace check_kind {
constexpr const char* kUnusedPlaceholder = "unused-placeholder";
constexpr const char* kUndeclaredPlaceholder = "undeclared-placeholder";
constexpr const char* kStylePlaceholderMissing = "stylesheet-placeholder-missing";
constexpr const char* kFieldCase = "field-case";
constexpr const char* kUnknownField = "unknown-field";
constexpr const char* kMissingFile = "missing-file";
constexpr const char* kFileCase = "file-case";
constexpr const char* kOutsidePackage = "outside-package";
constexpr const char* kPreviewOnlyUrl = "preview-only-url";
constexpr const char* kExportOnlyUrl = "export-only-url";
constexpr const char* kEncoding = "encoding";
constexpr const char* kReservedName = "reserved-name";
constexpr const char* kXmlParse = "xml-parse";
constexpr const char* kMenuTree = "menu-tree";
} // namespace check_kind

} // namespace quorlex
