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

} // namespace quorlex
