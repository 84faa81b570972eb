#pragma once

#include <string>

namespace quorlex {

struct TemplateEntry {
    std::string title;
    std::string author;
    std::string folder;

    bool operator==(const TemplateEntry& other) const {
        return title == other.title && author == other.author && folder == other.folder;
    }
};

} // namespace quorlex
