#pragma once

#include "pagebase/PresetNaming.h"

#include <optional>
#include <string>
#include <vector>

namespace quorlex {

class PageContext;
class MenusPage;

// The menu presets of the Menus page: files of menu tree text in the preset folder "menus",
// named, listed, checked and deleted like the other presets. The list lives in the workspace.
class MenuPresets {
public:
    MenuPresets(PageContext& context, MenusPage& page);

    const std::vector<std::string>& names() const;
    std::optional<size_t> selected() const { return m_selected; }
    void Select(std::optional<size_t> index);

    const std::string& nameField() const { return m_nameField; }
    void EditName(const std::string& text) { m_nameField = text; }
    void NameFieldFocused() { m_nameField = NameFieldOnFocus(m_nameField); }

    // "save " or Enter in the name field: the editor tree under the typed name.
    void Save();
    // "load" or a double-click: the selected preset becomes the current menu's tree.
    void Load();
    // "delete", after the user confirmed.
    void Delete();
    // The "Help" beside the preset buttons.
    void Help();
    void Reset() { m_selected.reset(); }

private:
    PageContext& m_context;
    MenusPage& m_page;
    std::optional<size_t> m_selected;
    std::string m_nameField = presettexts::kNamePlaceholder;
};

} // namespace quorlex
