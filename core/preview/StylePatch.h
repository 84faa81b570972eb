#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

// The new text of one <style> block, by its place among the page's style blocks.
struct StyleBlockChange {
    size_t index;
    std::string css;
};

// How a shown page becomes the next one by replacing the text of its style blocks alone.
struct StylePatch {
    size_t blockCount = 0; // style blocks in either page
    std::vector<StyleBlockChange> changes; // empty when the pages are the same
};

// The patch when `next` differs from `shown` only inside the text of <style> blocks (tags
// and everything outside them equal, as many blocks in both); nothing otherwise.
std::optional<StylePatch> StyleOnlyChanges(std::string_view shown, std::string_view next);

} // namespace quorlex
