#include "menus/MenuPresets.h"

#include "pagebase/CustomizationStep.h"
#include "pagebase/PageContext.h"
#include "help/HelpTopics.h"
#include "menus/MenuTexts.h"
#include "menus/MenuTreeText.h"
#include "menus/MenusPage.h"
#include "ports/Ui.h"
#include "workspace/TemplateWorkspace.h"

namespace quorlex {

MenuPresets::MenuPresets(PageContext& context, MenusPage& page) : m_context(context), m_page(page) {}

const std::vector<std::string>& MenuPresets::names() const {
    static const std::vector<std::string> none;
    const TemplateWorkspace* ws = m_context.workspace();
    return ws ? ws->Presets(TableKind::Menus) : none;
}

void MenuPresets::Select(std::optional<size_t> index) {
    m_selected = index && *index < names().size() ? index : std::nullopt;
}

void MenuPresets::Save() {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return;
    if (!m_page.selected()) {
        m_nameField.clear();
        m_context.ui().Inform(menutexts::kSelectMenuForPreset);
        return;
    }
    CreatePresetFolders(*ws, TableKind::Menus);
    if (const auto refusal = PresetNameRefusal(m_nameField)) {
        m_context.ui().Inform(*refusal);
        return;
    }
    std::error_code ec;
    const fs::path file = PresetFile(*ws, TableKind::Menus, m_nameField);
    if (fs::exists(file, ec)) {
        m_context.ui().Inform(presettexts::kAlreadyExists);
        return;
    }
    try {
        WriteMenuTree(m_page.tree(), file);
    } catch (const std::exception&) {
        m_context.ui().Inform(presettexts::kSaveFailed);
        return;
    }
    ws->Presets(TableKind::Menus).push_back(m_nameField);
    m_nameField.clear();
}

void MenuPresets::Load() {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws || !m_page.selected() || !m_selected || *m_selected >= names().size())
        return;
    const std::string name = names()[*m_selected];
    CustomizationStep step(m_context, "menu preset " + name);
    ws->Presets(TableKind::Menus) = ListPresets(*ws, TableKind::Menus);
    m_selected.reset();
    m_page.LoadTreeFile([&] { return PresetFile(*ws, TableKind::Menus, name); }, menutexts::kPresetLoadFailed);
}

void MenuPresets::Delete() {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws || !m_selected || *m_selected >= names().size())
        return;
    std::vector<std::string>& list = ws->Presets(TableKind::Menus);
    if (m_context.ui().Confirm(DeletePresetQuestion(list[*m_selected])) != Answer::Yes)
        return;
    try {
        std::error_code ignored;
        fs::remove(PresetFile(*ws, TableKind::Menus, list[*m_selected]), ignored);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(*m_selected));
        m_selected.reset();
    } catch (const std::exception&) {
        m_context.ui().Inform(presettexts::kDeleteFailed);
    }
}

void MenuPresets::Help() { m_context.HelpRequested(helptopic::kMenuPresets); }

} // namespace quorlex
