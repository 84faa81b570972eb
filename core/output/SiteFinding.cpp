#include "output/SiteFinding.h"

namespace quorlex {

const char* FindingTitle(FindingKind kind) {
    switch (kind) {
    case FindingKind::MissingFile: return "Missing file";
    case FindingKind::LetterCase: return "Letter case";
    case FindingKind::LeavesSite: return "Outside the site";
    case FindingKind::MenuItemWithoutLink: return "Menu item without link";
    case FindingKind::LowContrast: return "Low contrast";
    }
    return "";
}

std::string FindingLine(const SiteFinding& finding) {
    std::string line = std::string(FindingTitle(finding.kind)) + ": \"" + finding.subject + "\"";
    if (!finding.location.empty())
        line += " in " + finding.location;
    return line;
}

} // namespace quorlex
