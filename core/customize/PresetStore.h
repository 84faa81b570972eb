#pragma once

#include "customize/PresetKinds.h"
#include "pagebase/PresetNaming.h"

#include <optional>
#include <string>
#include <vector>

namespace quorlex {

class PresetPage;
class PageContext;

// The preset panel of one kind: the list of the template's presets, its selection and the
// name field, with save, apply, delete and "default". The list itself lives in the workspace,
// where the table loaders refill it.
class PresetStore {
public:
    PresetStore(PageContext& session, PresetKind kind, PresetPage* page = nullptr);

    PresetKind kind() const { return m_kind; }
    const std::vector<std::string>& names() const;
    std::optional<size_t> selected() const { return m_selected; }
    void Select(std::optional<size_t> index);

    const std::string& nameField() const { return m_nameField; }
    void EditName(const std::string& text) { m_nameField = text; }
    void NameFieldFocused() { m_nameField = NameFieldOnFocus(m_nameField); }

    // Saves the page's table under the name in the name field.
    void Save();
    // Takes over the selected preset's values, then rebuilds.
    void Apply();
    // Deletes the selected preset after the user confirmed.
    void Delete();
    // Reloads the template's defaults, then rebuilds.
    void Default();
    // The panel's "Help": the help page of the kind's presets.
    void Help();
    // A new package: no selection.
    void Reset() { m_selected.reset(); }

private:
    void SaveAs(TemplateWorkspace& ws);
    bool WriteCurrentTable(TemplateWorkspace& ws);
    void TakeOver(TemplateWorkspace& ws, const std::string& name);
    void RemoveSelected(TemplateWorkspace& ws);

    PageContext& m_session;
    PresetKind m_kind;
    PresetPage* m_page;
    std::optional<size_t> m_selected;
    std::string m_nameField = presettexts::kNamePlaceholder;
};

} // namespace quorlex
