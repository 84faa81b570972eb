#pragma once

#include "customize/PresetStore.h"
#include "pagebase/PresetPage.h"
#include "pagebase/TablePage.h"

#include <optional>
#include <string>
#include <vector>

namespace quorlex {

// "Layout / Objects:": the selected layout variable, the options of its folder and the
// layout presets. Every chosen option rebuilds the preview.
class LayoutsPage : public TablePage<LayoutVariable>, public PresetPage {
public:
    explicit LayoutsPage(PageContext& context);

    const std::vector<std::string>& options() const { return m_options; }
    std::optional<size_t> selectedOption() const { return m_selectedOption; }
    PresetStore& presets() { return m_presets; }

    // A click on the title list; without a row nothing changes.
    void onLayoutSelected(std::optional<size_t> row) {
        if (SelectRow(row))
            ShowSelectedRow();
    }
    // The option list of a row: its folder's *.lyo names in order, its choice always listed
    // and selected.
    void lvLayoutsSelectItem(size_t row);
    void ShowSelectedRow() override;
    void OptionClicked(size_t index);
    // No row, no options.
    void Reset();

    void AfterPresetApply() override;
    void PresetTableReloaded() override { Reset(); }

private:
    PresetStore m_presets;
    std::vector<std::string> m_options;
    std::optional<size_t> m_selectedOption;
};

} // namespace quorlex
