#pragma once

#include <filesystem>

namespace quorlex {

namespace fs = std::filesystem;

// Gives the templates folder under `dataFolder` the packages listed in the shipped
// templates/templates.tps under `programFolder` that it has never been given: the first start
// copies them all, a later start the ones a newer version adds. A package is offered once: one
// the user has is never overwritten, and one the user removed does not come back. Each added
// package is appended to the user's templates.tps. Throws Error when a file cannot be copied.
void AddShippedTemplates(const fs::path& programFolder, const fs::path& dataFolder);

} // namespace quorlex
