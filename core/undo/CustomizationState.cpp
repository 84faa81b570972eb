#include "undo/CustomizationState.h"

#include "util/TextFile.h"

namespace quorlex {

CustomizationState CustomizationState::Capture(const TemplateWorkspace& ws, StepReach reach) {
    CustomizationState state;
    state.tables = ws.tables;
    state.tabVisible = ws.tabVisible;
    if (reach == StepReach::TablesAndMenuFiles)
        state.ReadMenuFiles(ws);
    return state;
}

void CustomizationState::ReadMenuFiles(const TemplateWorkspace& ws) {
    menuFilesRead = true;
    for (const MenuVariable& menu : ws.tables.menus) {
        // A folder outside the package is never written.
        const std::optional<fs::path> file = ws.PackageFileIfInside(menu.folder + "menu.lyo");
        if (!file)
            continue;
        try {
            menuFiles.emplace(*file, ReadFileIfPresent(*file));
        } catch (const std::exception&) {
            // Left out: an unreadable file must not be taken for a missing one.
        }
    }
}

} // namespace quorlex
