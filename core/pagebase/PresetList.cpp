#include "pagebase/PresetList.h"

#include "pagebase/PageAction.h"
#include "pagebase/PageContext.h"
#include "ports/Ui.h"
#include "util/Error.h"
#include "util/TextFile.h"
#include "workspace/TemplateWorkspace.h"

namespace quorlex {

const std::vector<std::string>& PresetList::names() const {
    static const std::vector<std::string> none;
    const TemplateWorkspace* ws = m_context.workspace();
    return ws ? ws->Presets(m_table) : none;
}

void PresetList::Select(std::optional<size_t> index) {
    m_selected = index && *index < names().size() ? index : std::nullopt;
}

std::optional<std::string> PresetList::SelectedName() const {
    if (!m_selected || *m_selected >= names().size())
        return std::nullopt;
    return names()[*m_selected];
}

std::optional<fs::path> PresetList::NewPresetFile(TemplateWorkspace& ws) {
    CreatePresetFolders(ws, m_table);
    if (const auto refusal = PresetNameRefusal(m_nameField)) {
        m_context.ui().Inform(*refusal);
        return std::nullopt;
    }
    fs::path file = PresetFile(ws, m_table, m_nameField);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(file, ec))) {
        m_context.ui().Inform(presettexts::kAlreadyExists);
        return std::nullopt;
    }
    return file;
}

void PresetList::SaveNew(TemplateWorkspace& ws, const std::function<void()>& write) {
    if (!RunPageAction(m_context.ui(), presettexts::kSaveFailed, FailureBox::Information, write))
        return;
    ws.Presets(m_table).push_back(m_nameField);
    m_nameField.clear();
}

void PresetList::Delete() {
    TemplateWorkspace* ws = m_context.workspace();
    const std::optional<std::string> name = SelectedName();
    if (!ws || !name)
        return;
    if (m_context.ui().ConfirmLoss(DeletePresetQuestion(*name)) != Answer::Yes)
        return;
    RunPageAction(m_context.ui(), presettexts::kDeleteFailed, FailureBox::Information, [&] {
        const fs::path file = PresetFile(*ws, m_table, *name);
        std::error_code ec;
        fs::remove(file, ec);
        if (ec)
            throw Error(FileErrorText(file, "delete", ec.value()));
        std::vector<std::string>& list = ws->Presets(m_table);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(*m_selected));
        m_selected.reset();
    });
}

} // namespace quorlex
