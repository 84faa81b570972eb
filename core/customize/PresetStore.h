#pragma once

#include "customize/PresetKinds.h"
#include "pagebase/PresetList.h"

namespace quorlex {

class PresetPage;
class PageContext;

// The preset panel of a table kind: save, apply, delete and "default" of the page's table.
class PresetStore : public PresetList {
public:
    PresetStore(PageContext& context, PresetKind kind, PresetPage* page = nullptr);

    PresetKind kind() const { return m_kind; }

    // Saves the page's table under the name in the name field.
    void Save();
    // Takes over the selected preset's values, then rebuilds.
    void Apply();
    // Reloads the template's defaults, then rebuilds.
    void Default();
    // The panel's "Help": the help page of the kind's presets.
    void Help();

private:
    void WriteCurrentTable(TemplateWorkspace& ws, const fs::path& file);
    void TakeOver(TemplateWorkspace& ws, const std::string& name);

    PresetKind m_kind;
    PresetPage* m_page;
};

} // namespace quorlex
