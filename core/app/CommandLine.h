#pragma once

#include "app/ProgramFolders.h"
#include "output/Generation.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

enum class CommandMode { Window, Help, Version, List, Generate, Publish, Check, Invalid };

// What the program was asked to do from the command line.
struct CommandLine {
    CommandMode mode = CommandMode::Window;
    std::string templateId; // with --generate and --publish, and with --check unless it names a folder
    fs::path outFolder;
    std::string publishTarget; // with --publish
    bool dryRun = false;
    std::optional<fs::path> project; // with --generate, or the file a window opens
    TemplateOptions options;
    std::string error; // why the arguments were refused
};

// The arguments after the program name. Without one of the program's own options first the
// window opens: the toolkit's options are left to it, a project file is opened, anything else
// is refused.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// Runs a command without a window: the option list, the catalog, a generation whose finished
// site is copied into the out folder or published, or the check of a package. Returns the exit status, 0 on
// success; the check returns 1 when it finds mistakes and 2 when it cannot read the package.
int RunCommandLine(const CommandLine& command, const ProgramFolders& folders, std::ostream& out, std::ostream& err);

} // namespace quorlex
