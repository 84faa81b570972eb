#pragma once

#include <string>
#include <vector>

namespace quorlex {

// The new text of one <style> block, by its place among the page's style blocks.
struct StyleBlockChange {
    size_t index;
    std::string css;
};

// How a shown page becomes the next one by replacing the text of its style blocks alone.
struct StylePatch {
    size_t blockCount = 0;                 // style blocks in either page
    std::vector<StyleBlockChange> changes; // empty when the pages are the same
};

} // namespace quorlex
