#pragma once

#include "menus/MenuNode.h"
#include "util/Notices.h"
#include "workspace/TemplateWorkspace.h"

#include <optional>
#include <string>
#include <vector>

namespace quorlex {

// A project file read and checked against a workspace, ready to be applied.
struct ProjectChanges {
    std::optional<VariableTables> tables;       // the tables with the project's values
    std::vector<std::optional<MenuTree>> menus; // per menu row; nothing when its block is absent or bad
    size_t badMenuBlocks = 0;                   // blocks that could not be read
    std::optional<SitePages> site;              // the pages; nothing without their section
};

// Reads every section of the project before anything changes. Throws Error on the other-template
// message, a section without its end line, an unreadable XML section, a truncated font block
// or a folder that leads outside the package; the workspace and its files are then as they
// were. A damage is named by the section and the line of the project file `fileName`.
// Writes only the scratch files.
ProjectChanges ReadProject(const std::string& bytes, const TemplateWorkspace& ws, const std::string& fileName = {});
// The same for a project file on disk, named by its file name.
ProjectChanges ReadProjectFile(const fs::path& file, const TemplateWorkspace& ws);

// Stores the menu trees into their menu.lyo files, the pages into the pages file, and takes
// over the tables. Bad menu blocks
// and menus that could not be stored go into `problems`; the other menus are still stored.
void ApplyProject(ProjectChanges& changes, TemplateWorkspace& ws, Notices& problems);

} // namespace quorlex
