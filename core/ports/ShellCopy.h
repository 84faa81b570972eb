#pragma once

#include <filesystem>

namespace quorlex {

class Platform;
class Ui;

// Interactive folder copy that reports its own failure with "Operation Aborted... ".
bool ShellCopyFolder(Platform& platform, Ui& ui, const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace quorlex
