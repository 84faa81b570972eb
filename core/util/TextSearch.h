#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// Placeholder search: letters compare without regard to case (Windows-1252), a match never
// spans a line break, and the scan runs forward once from the given position.
class CaseInsensitiveFinder {
public:
    explicit CaseInsensitiveFinder(std::string_view pattern);

    // Position of the first match at or after `from`, or npos. An empty pattern matches nothing.
    size_t FindIn(std::string_view text, size_t from = 0) const;
    size_t size() const { return m_pattern.size(); }

private:
    std::string m_pattern; // case-folded
    size_t m_shift[256];
};

// Replaces every match in one forward scan; inserted text is not searched again.
size_t ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement);

// Replaces the first match at or after `from`; returns the position just after the inserted
// text, or npos when nothing was found.
size_t ReplaceFirst(std::string& text, std::string_view pattern, std::string_view replacement, size_t from = 0);

unsigned char FoldCase(unsigned char c);

} // namespace quorlex
