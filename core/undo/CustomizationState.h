#pragma once

#include "workspace/TemplateWorkspace.h"

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// What a user action may change: the tables only, or the menus' menu.lyo files as well.
enum class StepReach { Tables, TablesAndMenuFiles };

// Everything a user's customization of the loaded template consists of: the variable tables
// with their tabs, and the bytes of each menu's menu.lyo and of the pages file.
struct CustomizationState {
    VariableTables tables;
    std::array<bool, kTableKindCount> tabVisible{};
    // Nothing: the file does not exist. A file that exists but cannot be read is left out, so
    // that it is never taken for a missing one.
    std::map<fs::path, std::optional<std::string>> menuFiles;
    bool menuFilesRead = false;

    // Reads the state of a workspace, and its menu files when the action can reach them.
    static CustomizationState Capture(const TemplateWorkspace& ws, StepReach reach);
    void ReadMenuFiles(const TemplateWorkspace& ws);
};

} // namespace quorlex
