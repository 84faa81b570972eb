#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

struct Replacement {
    std::string_view pattern;
    std::string_view text;
};

// The same result as calling ReplaceAll for each replacement in order, so text inserted by
// one replacement is searched by the later ones, but in about one scan of the text instead
// of one scan per replacement. The views must outlive the call. `scratch` is a buffer for the
// result that callers running many tables over one large text pass along to save allocations.
// Throws Error, naming the placeholder, when the text would grow past `limit` bytes.
void ReplaceAllInOrder(std::string& text, const std::vector<Replacement>& replacements, std::string& scratch,
                       size_t limit = SIZE_MAX);
void ReplaceAllInOrder(std::string& text, const std::vector<Replacement>& replacements);

} // namespace quorlex
