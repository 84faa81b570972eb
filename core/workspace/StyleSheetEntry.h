#pragma once

#include <string>

namespace quorlex {

// One stylesheet of style_files.xml; folder is empty or ends with a separator.
struct StyleSheetEntry {
    std::string title;
    std::string filename;
    std::string folder;
    std::string var;
    std::string description;
    std::string media;
};

} // namespace quorlex
