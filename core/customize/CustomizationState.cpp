#include "customize/CustomizationState.h"

#include "util/TextFile.h"

namespace quorlex {

namespace {

std::optional<std::optional<std::string>> ReadMenuFile(const fs::path& file) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(file, ec);
    if (status.type() == fs::file_type::not_found)
        return std::optional<std::string>();
    if (ec)
        return std::nullopt;
    try {
        return std::optional<std::string>(ReadFileBytes(file));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

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
        fs::path file;
        try {
            file = ws.PackageFile(menu.folder + "menu.lyo");
        } catch (const std::exception&) {
            continue; // a folder outside the package is never written
        }
        if (auto bytes = ReadMenuFile(file))
            menuFiles.emplace(file, std::move(*bytes));
    }
}

} // namespace quorlex
