#include "customize/LayoutsPage.h"

#include "customize/CustomizationStep.h"
#include "customize/PageContext.h"
#include "ports/Ui.h"
#include "workspace/TemplateWorkspace.h"
#include "customize/RowAt.h"
#include "customize/ChoiceOrder.h"
#include "util/FileLists.h"

#include <algorithm>

namespace quorlex {

LayoutsPage::LayoutsPage(PageContext& session) : m_session(session), m_presets(session, PresetKind::Layouts, this) {}

LayoutVariable* LayoutsPage::SelectedRow() {
    TemplateWorkspace* ws = m_session.workspace();
    return RowAt(ws ? &ws->tables.layouts : nullptr, m_selected);
}

void LayoutsPage::onLayoutSelected(std::optional<size_t> row) {
    if (!row)
        return;
    m_selected = row;
    lvLayoutsSelectItem(*row);
}

void LayoutsPage::lvLayoutsSelectItem(size_t row) {
    TemplateWorkspace* ws = m_session.workspace();
    if (!ws || row >= ws->tables.layouts.size())
        return;
    const LayoutVariable& variable = ws->tables.layouts[row];
    m_options.clear();
    try {
        m_options = ListFileTitles(ws->PackageFile(variable.folder), "*.lyo");
    } catch (const std::exception&) {
        // A folder outside the package lists nothing; the choice below still shows.
    }
    const auto found = std::find(m_options.begin(), m_options.end(), variable.choice);
    m_selectedOption = found != m_options.end() ? static_cast<size_t>(found - m_options.begin())
                                                : InsertSorted(m_options, variable.choice);
}

void LayoutsPage::OptionClicked(size_t index) {
    LayoutVariable* row = SelectedRow();
    if (!row || index >= m_options.size())
        return;
    CustomizationStep step(m_session, "layout " + row->title, StepReach::Tables);
    m_selectedOption = index;
    row->choice = m_options[index];
    m_session.Refresh();
}

void LayoutsPage::Reset() {
    m_selected.reset();
    m_options.clear();
    m_selectedOption.reset();
    m_presets.Reset();
}

void LayoutsPage::AfterPresetApply() {
    m_selectedOption.reset();
    onLayoutSelected(m_selected);
}

} // namespace quorlex
