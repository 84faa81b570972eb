#pragma once

#include "app/ProgramFolders.h"
#include "ports/StreamUi.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// Publishes the finished site in `site` to the target of that name from the targets kept in the
// data folder, or with `dryRun` lists what a publish would do. The secret comes from the
// desktop's secret store, else $QUORLEX_PUBLISH_PASSWORD, else the terminal. Returns the exit
// status: 0 when done, 1 when it failed.
int PublishFromCommandLine(const fs::path& site, const std::string& target, bool dryRun, const ProgramFolders& folders,
                           std::ostream& out, std::ostream& err);

} // namespace quorlex
