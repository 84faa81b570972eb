#pragma once

#include "pagebase/PresetNaming.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;
class PageContext;
struct TemplateWorkspace;

// What every preset panel shares: the list of the template's presets of one kind, its
// selection, the name field, the checks before a save and "delete". The list lives in the
// workspace, where the loaders refill it.
class PresetList {
public:
    const std::vector<std::string>& names() const;
    std::optional<size_t> selected() const { return m_selected; }
    void Select(std::optional<size_t> index);

    const std::string& nameField() const { return m_nameField; }
    void EditName(const std::string& text) { m_nameField = text; }
    void NameFieldFocused() { m_nameField = NameFieldOnFocus(m_nameField); }

    // "delete", after the user confirmed: the selected preset's file goes, then its entry. A
    // file that cannot be deleted is reported with its cause and keeps its entry.
    void Delete();
    // A new package: no selection.
    void Reset() { m_selected.reset(); }

protected:
    PresetList(PageContext& context, TableKind table) : m_context(context), m_table(table) {}
    ~PresetList() = default;
    PresetList(const PresetList&) = delete;
    PresetList& operator=(const PresetList&) = delete;

    // The selected preset's name, when the selection names one.
    std::optional<std::string> SelectedName() const;
    // The file to save the name field's preset in: the preset folders are made, the name is
    // checked and must be new. Nothing once the user has been told why not.
    std::optional<fs::path> NewPresetFile(TemplateWorkspace& ws);
    // Writes the new preset with `write`: listed under the name field's name when written,
    // reported with the cause otherwise.
    void SaveNew(TemplateWorkspace& ws, const std::function<void()>& write);

    PageContext& m_context;
    TableKind m_table;
    std::optional<size_t> m_selected;
    std::string m_nameField = presettexts::kNamePlaceholder;
};

} // namespace quorlex
