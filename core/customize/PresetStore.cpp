#include "customize/PresetStore.h"

#include "pagebase/CustomizationStep.h"
#include "pagebase/PageContext.h"
#include "pagebase/PresetPage.h"
#include "ports/Ui.h"
#include "util/Error.h"
#include "util/TextFile.h"
#include "util/UserMessage.h"
#include "workspace/TemplateWorkspace.h"
#include "workspace/XmlDocument.h"

namespace quorlex {

PresetStore::PresetStore(PageContext& context, PresetKind kind, PresetPage* page)
    : PresetList(context, InfoOf(kind).table), m_kind(kind), m_page(page) {}

void PresetStore::Save() {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return;
    try {
        if (const std::optional<fs::path> file = NewPresetFile(*ws))
            SaveNew(*ws, [&] { WriteCurrentTable(*ws, *file); });
    } catch (const std::exception& error) {
        m_context.ui().ShowError(UserMessage(error));
    }
}

void PresetStore::WriteCurrentTable(TemplateWorkspace& ws, const fs::path& file) {
    std::vector<ItemValues> values;
    for (const PresetRow& row : PresetRows(ws, m_kind))
        values.push_back({*row.title, *row.carried, *row.value});
    WriteItemsFile(ws.PackageFile(TableFileName(m_table)), file, PresetElements(m_kind), values);
}

void PresetStore::Apply() {
    TemplateWorkspace* ws = m_context.workspace();
    const std::optional<std::string> name = SelectedName();
    if (!ws || !name)
        return;
    CustomizationStep step(m_context, std::string(InfoOf(m_kind).name) + " preset " + *name, StepReach::Tables);
    if (m_page)
        m_page->BeforePresetApply();
    bool taken = true;
    try {
        TakeOver(*ws, *name);
    } catch (const std::exception& error) {
        m_context.ui().ShowError(UserMessage(error));
        taken = false;
    }
    ws->Presets(m_table) = ListPresets(*ws, m_table);
    m_selected.reset();
    if (!taken)
        return;
    if (m_page)
        m_page->AfterPresetApply();
    m_context.Rebuildtemplate();
}

void PresetStore::TakeOver(TemplateWorkspace& ws, const std::string& name) {
    // Read in full first, so that a damaged preset changes nothing.
    std::vector<ItemValues> items;
    XmlDocument::Load(PresetFile(ws, m_table, name))
        .ForEachItem(
            PresetElements(m_kind), [&](const ItemValues& values) { items.push_back(values); }, true);
    const std::vector<PresetRow> rows = PresetRows(ws, m_kind);
    for (const ItemValues& item : items) {
        for (const PresetRow& row : rows) {
            if (*row.title != item[0])
                continue;
            *row.carried = item[1];
            *row.value = item[2];
        }
    }
}

void PresetStore::Help() { m_context.HelpRequested(InfoOf(m_kind).helpTopic); }

void PresetStore::Default() {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return;
    CustomizationStep step(m_context, std::string(InfoOf(m_kind).name) + " default", StepReach::Tables);
    m_selected.reset();
    bool reloaded = true;
    try {
        ReloadTable(*ws, m_kind);
    } catch (const std::exception& error) {
        m_context.ui().ShowError(UserMessage(error));
        reloaded = false;
    }
    if (m_page)
        m_page->PresetTableReloaded();
    if (reloaded)
        m_context.Rebuildtemplate();
}

} // namespace quorlex
