#include "customize/LayoutsPage.h"

#include "customize/ChoiceOrder.h"
#include "pagebase/CustomizationStep.h"
#include "pagebase/PageContext.h"
#include "ports/Ui.h"
#include "util/FileLists.h"
#include "workspace/TemplateWorkspace.h"

#include <algorithm>

namespace quorlex {

LayoutsPage::LayoutsPage(PageContext& context)
    : TablePage(context, &VariableTables::layouts), m_presets(context, PresetKind::Layouts, this) {}

void LayoutsPage::ShowSelectedRow() {
    if (m_selected)
        lvLayoutsSelectItem(*m_selected);
}

void LayoutsPage::lvLayoutsSelectItem(size_t row) {
    const LayoutVariable* variable = RowAt(row);
    if (!variable)
        return;
    // A folder outside the package lists nothing; the choice below still shows.
    const std::optional<fs::path> folder = m_context.workspace()->PackageFileIfInside(variable->folder);
    m_options = folder ? ListFileTitles(*folder, "*.lyo") : std::vector<std::string>();
    const auto found = std::find(m_options.begin(), m_options.end(), variable->choice);
    m_selectedOption = found != m_options.end() ? static_cast<size_t>(found - m_options.begin())
                                                : InsertSorted(m_options, variable->choice);
}

void LayoutsPage::OptionClicked(size_t index) {
    LayoutVariable* row = SelectedRow();
    if (!row || index >= m_options.size())
        return;
    CustomizationStep step(m_context, "layout " + row->title, StepReach::Tables);
    m_selectedOption = index;
    row->choice = m_options[index];
    m_context.Rebuildtemplate();
}

void LayoutsPage::Reset() {
    m_selected.reset();
    m_options.clear();
    m_selectedOption.reset();
    m_presets.Reset();
}

void LayoutsPage::AfterPresetApply() {
    m_selectedOption.reset();
    ShowSelectedRow();
}

} // namespace quorlex
