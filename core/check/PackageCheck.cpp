#include "check/PackageCheck.h"

#include "check/CheckPasses.h"
#include "util/PackagePath.h"

#include <algorithm>
#include <tuple>

namespace quorlex {
namespace {

// The checks, in the order their findings are listed within a line.
constexpr CheckPass kPasses[] = {CheckFieldNames, CheckPlaceholders, CheckNamedFiles, CheckStyleSheetAddresses,
                                 CheckReservedNames};

} // namespace

CheckFindings CheckPackage(const fs::path& folder) {
    CheckFindings findings;
    const CheckedPackage package = ReadPackageForCheck(folder, findings);
    for (const CheckPass pass : kPasses)
        pass(package, findings);
    std::stable_sort(findings.begin(), findings.end(), [](const CheckFinding& a, const CheckFinding& b) {
        return std::tie(a.file, a.line) < std::tie(b.file, b.line);
    });
    return findings;
}

CheckFindings CheckInstalledTemplate(const fs::path& templatesFolder, const std::string& folderName) {
    return CheckPackage(ResolvePackagePath(templatesFolder, folderName));
}

std::string CheckSummary(const CheckFindings& findings) {
    if (findings.empty())
        return "No findings.";
    return std::to_string(findings.size()) + (findings.size() == 1 ? " finding." : " findings.");
}

std::string FindingLine(const CheckFinding& finding) {
    const std::string place = finding.line ? finding.file + ":" + std::to_string(finding.line) : finding.file;
    return place + ": " + finding.text + " Fix: " + finding.fix;
}

} // namespace quorlex
