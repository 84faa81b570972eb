#include "customize/PresetStore.h"

#include "pagebase/CustomizationStep.h"
#include "pagebase/PageContext.h"
#include "ports/Ui.h"
#include "workspace/TemplateWorkspace.h"
#include "pagebase/PresetPage.h"
#include "ports/Ui.h"
#include "util/Error.h"
#include "util/TextFile.h"
#include "util/UserMessage.h"
#include "workspace/XmlDocument.h"


namespace quorlex {

PresetStore::PresetStore(PageContext& session, PresetKind kind, PresetPage* page)
    : m_session(session), m_kind(kind), m_page(page) {}

const std::vector<std::string>& PresetStore::names() const {
    static const std::vector<std::string> none;
    const TemplateWorkspace* ws = m_session.workspace();
    return ws ? ws->Presets(InfoOf(m_kind).table) : none;
}

void PresetStore::Select(std::optional<size_t> index) {
    m_selected = index && *index < names().size() ? index : std::nullopt;
}

void PresetStore::Save() {
    TemplateWorkspace* ws = m_session.workspace();
    if (!ws)
        return;
    try {
        SaveAs(*ws);
    } catch (const std::exception& error) {
        m_session.ui().ShowError(UserMessage(error));
    }
}

void PresetStore::SaveAs(TemplateWorkspace& ws) {
    const TableKind table = InfoOf(m_kind).table;
    CreatePresetFolders(ws, table);
    if (const auto refusal = PresetNameRefusal(m_nameField)) {
        m_session.ui().Inform(*refusal);
        return;
    }
    std::error_code ec;
    if (fs::exists(fs::symlink_status(PresetFile(ws, table, m_nameField), ec))) {
        m_session.ui().Inform(presettexts::kAlreadyExists);
        return;
    }
    if (!WriteCurrentTable(ws)) {
        m_session.ui().Inform(presettexts::kSaveFailed);
        return;
    }
    ws.Presets(table).push_back(m_nameField);
    m_nameField.clear();
}

bool PresetStore::WriteCurrentTable(TemplateWorkspace& ws) {
    const TableKind table = InfoOf(m_kind).table;
    std::vector<ItemValues> values;
    for (const PresetRow& row : PresetRows(ws, m_kind))
        values.push_back({*row.title, *row.carried, *row.value});
    try {
        WriteItemsFile(ws.PackageFile(TableFileName(table)), PresetFile(ws, table, m_nameField),
                       PresetElements(m_kind), values);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void PresetStore::Apply() {
    TemplateWorkspace* ws = m_session.workspace();
    if (!ws || !m_selected || *m_selected >= names().size())
        return;
    const std::string name = names()[*m_selected];
    CustomizationStep step(m_session, std::string(InfoOf(m_kind).name) + " preset " + name, StepReach::Tables);
    if (m_page)
        m_page->BeforePresetApply();
    bool taken = true;
    try {
        TakeOver(*ws, name);
    } catch (const std::exception& error) {
        m_session.ui().ShowError(UserMessage(error));
        taken = false;
    }
    ws->Presets(InfoOf(m_kind).table) = ListPresets(*ws, InfoOf(m_kind).table);
    m_selected.reset();
    if (!taken)
        return;
    if (m_page)
        m_page->AfterPresetApply();
    m_session.Rebuildtemplate();
}

void PresetStore::TakeOver(TemplateWorkspace& ws, const std::string& name) {
    // Read in full first, so that a damaged preset changes nothing.
    std::vector<ItemValues> items;
    XmlDocument::Load(PresetFile(ws, InfoOf(m_kind).table, name))
        .ForEachItem(PresetElements(m_kind), [&](const ItemValues& values) { items.push_back(values); }, true);
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

void PresetStore::Delete() {
    TemplateWorkspace* ws = m_session.workspace();
    if (!ws || !m_selected || *m_selected >= names().size())
        return;
    if (m_session.ui().Confirm(DeletePresetQuestion(names()[*m_selected])) != Answer::Yes)
        return;
    try {
        RemoveSelected(*ws);
    } catch (const std::exception&) {
        m_session.ui().Inform(presettexts::kDeleteFailed);
    }
}

void PresetStore::RemoveSelected(TemplateWorkspace& ws) {
    const TableKind table = InfoOf(m_kind).table;
    std::vector<std::string>& list = ws.Presets(table);
    const fs::path file = PresetFile(ws, table, list[*m_selected]);
    std::error_code ec;
    fs::remove(file, ec);
    if (ec)
        throw Error(FileErrorText(file, "delete", ec.value()));
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(*m_selected));
    m_selected.reset();
}

void PresetStore::Help() { m_session.HelpRequested(InfoOf(m_kind).helpTopic); }

void PresetStore::Default() {
    TemplateWorkspace* ws = m_session.workspace();
    if (!ws)
        return;
    CustomizationStep step(m_session, std::string(InfoOf(m_kind).name) + " default", StepReach::Tables);
    m_selected.reset();
    bool reloaded = true;
    try {
        ReloadTable(*ws, m_kind);
    } catch (const std::exception& error) {
        m_session.ui().ShowError(UserMessage(error));
        reloaded = false;
    }
    if (m_page)
        m_page->PresetTableReloaded();
    if (reloaded)
        m_session.Rebuildtemplate();
}

} // namespace quorlex
