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
    std::vector<std::string> files{kSiteFileName};
    for (const MenuVariable& menu : ws.tables.menus)
        files.push_back(menu.folder + "menu.lyo");
    for (const std::string& relative : files) {
        // A folder outside the package is never written.
        const std::optional<fs::path> file = ws.PackageFileIfInside(relative);
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
