#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

enum class FindingKind { MissingFile, LetterCase, LeavesSite, MenuItemWithoutLink, LowContrast };

// One problem of a generated site. Texts are program text.
struct SiteFinding {
    FindingKind kind = FindingKind::MissingFile;
    std::string location;    // the file it was found in, or the menu's title
    std::string subject;     // the link as written, the menu item's caption, or the element's text
    std::string explanation; // one short sentence
    std::string change;      // the template's variables to change; empty when none is known
    std::string foreground;  // low contrast: the text color, "#RRGGBB"
    std::string background;  // low contrast: the color behind the text
    // Where the user changes it: the color variable named first in `change`, or the menu's row
    // and the item's path in its tree.
    std::optional<size_t> colorRow;
    std::optional<size_t> menuRow;
    std::vector<size_t> menuNode;
};

// The finding as one line of the export question: "Low contrast: "Pale" in index.html".
std::string FindingLine(const SiteFinding& finding);

// The short name of a kind of problem, for the list's first column.
const char* FindingTitle(FindingKind kind);

} // namespace quorlex
