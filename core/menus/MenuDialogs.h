#pragma once

#include "menus/MenuItem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

// The windows of the Menus page that ask the user something; nothing means Cancel.
class MenuDialogs {
public:
    virtual ~MenuDialogs() = default;
    // The item dialog "mnuEditor", opened with these fields and the caption focused.
    virtual std::optional<MenuItemFields> EditItem(const MenuItemFields& fields) = 0;
    // "CSS Class Name:", opened with the text wholly selected.
    virtual std::optional<std::string> EditClassName(const std::string& text) = 0;
    // A file-open dialog; filters as "Name (*.ext)".
    virtual std::optional<std::filesystem::path> AskOpenFile(const std::string& title,
                                                             const std::vector<std::string>& filters) = 0;
};

} // namespace quorlex
