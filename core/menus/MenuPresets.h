#pragma once

#include "pagebase/PresetList.h"

namespace quorlex {

class PageContext;
class MenusPage;

// The menu presets of the Menus page: files of menu tree text in the preset folder "menus",
// named, listed, checked and deleted like the other presets.
class MenuPresets : public PresetList {
public:
    MenuPresets(PageContext& context, MenusPage& page);

    // "save " or Enter in the name field: the editor tree under the typed name.
    void Save();
    // "load" or a double-click: the selected preset becomes the current menu's tree.
    void Load();
    // The "Help" beside the preset buttons.
    void Help();

private:
    MenusPage& m_page;
};

} // namespace quorlex
