#include "menus/MenuPresets.h"

#include "help/HelpTopics.h"
#include "menus/MenuTexts.h"
#include "menus/MenuTreeText.h"
#include "menus/MenusPage.h"
#include "pagebase/CustomizationStep.h"
#include "pagebase/PageContext.h"
#include "ports/Ui.h"
#include "workspace/TemplateWorkspace.h"

namespace quorlex {

MenuPresets::MenuPresets(PageContext& context, MenusPage& page) : PresetList(context, TableKind::Menus), m_page(page) {}

void MenuPresets::Save() {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return;
    if (!m_page.selected()) {
        m_nameField.clear();
        m_context.ui().Inform(menutexts::kSelectMenuForPreset);
        return;
    }
    if (const std::optional<fs::path> file = NewPresetFile(*ws))
        SaveNew(*ws, [&] { WriteMenuTree(m_page.tree(), *file, ws->encoding); });
}

void MenuPresets::Load() {
    TemplateWorkspace* ws = m_context.workspace();
    const std::optional<std::string> name = SelectedName();
    if (!ws || !m_page.selected() || !name)
        return;
    CustomizationStep step(m_context, "menu preset " + *name);
    ws->Presets(TableKind::Menus) = ListPresets(*ws, TableKind::Menus);
    m_selected.reset();
    m_page.LoadTreeFile([&] { return PresetFile(*ws, TableKind::Menus, *name); }, menutexts::kPresetLoadFailed);
}

void MenuPresets::Help() { m_context.HelpRequested(helptopic::kMenuPresets); }

} // namespace quorlex
