#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorlex {

// Placeholder search: letters compare without regard to case (see FoldText), a match never
// spans a line break, and the scan runs forward once from the given position.
class CaseInsensitiveFinder {
public:
    explicit CaseInsensitiveFinder(std::string_view pattern);

    // Position of the first match at or after `from`, or npos. An empty pattern matches nothing.
    size_t FindIn(std::string_view text, size_t from = 0) const;
    size_t size() const { return m_pattern.size(); }

private:
    bool MatchesAt(const unsigned char* at) const;

    std::string m_pattern;  // case-folded
    bool m_ascii = true;    // then bytes compare one by one
    bool m_filtered = true; // the first, middle and last bytes pick the candidates
    unsigned char m_firstCases[2] = {};
    unsigned char m_lastCases[2] = {};
    unsigned char m_middleCases[2] = {};
    size_t m_middle = 0;
};

// Replaces every match in one forward scan; inserted text is not searched again.
size_t ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement);

// Replaces the first match at or after `from`; returns the position just after the inserted
// text, or npos when nothing was found.
size_t ReplaceFirst(std::string& text, std::string_view pattern, std::string_view replacement, size_t from = 0);

namespace detail {
extern const std::array<unsigned char, 256> kFold;
extern const std::array<unsigned char, 256> kOtherCase;
} // namespace detail

// The lower-case form of an ASCII byte; other bytes stay.
inline unsigned char FoldCase(unsigned char c) { return detail::kFold[c]; }
// The other letter case of an ASCII byte; the lead bytes 0xC3 and 0xC5 stand for each other,
// since a folded letter may change between them. Other bytes stay.
inline unsigned char OtherCase(unsigned char c) { return detail::kOtherCase[c]; }

// Folds the character at text[i] into out and returns its length (1 or 2, the same as the
// folded form): ASCII letters, the letters of Latin-1 and Š Œ Ž Ÿ, the letters Windows-1252
// has both cases of. Other bytes stay.
size_t FoldAt(std::string_view text, size_t i, unsigned char out[2]);

// The whole text folded, as long as the text.
std::string FoldText(std::string_view text);

// Ordering and equality without regard to letter case.
bool LessNoCase(std::string_view a, std::string_view b);
bool SameTextNoCase(std::string_view a, std::string_view b);

} // namespace quorlex
