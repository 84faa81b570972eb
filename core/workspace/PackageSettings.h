#pragma once

#include <string>

namespace quorlex {

// Folder and file names of a loaded package; all empty before the first load.
struct PackageSettings {
    std::string tempfile;
    std::string tempfolder;
    std::string presetroot;
    std::string imageroot;
    std::string imagebackup;
};

} // namespace quorlex
