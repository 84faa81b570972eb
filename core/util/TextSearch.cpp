#include "util/TextSearch.h"

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorlex {
namespace {

using Table = std::array<unsigned char, 256>;

// Both byte tables: ASCII letters, and for the candidate filters the two lead bytes of the
// folded two-byte letters.
constexpr Table MakeCaseTable(bool fold) {
    Table t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c) {
        t[c] = static_cast<unsigned char>(c + 32);
        if (!fold)
            t[c + 32] = static_cast<unsigned char>(c);
    }
    if (!fold) {
        t[0xC3] = 0xC5;
        t[0xC5] = 0xC3;
    }
    return t;
}

// The lower-case form of a two-byte letter, lead byte first; other pairs stay.
void FoldPair(unsigned char lead, unsigned char next, unsigned char out[2]) {
    out[0] = lead;
    out[1] = next;
    if (lead == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97) {
        out[1] = static_cast<unsigned char>(next + 0x20); // À..Þ
    } else if (lead == 0xC5) {
        if (next == 0xA0 || next == 0x92 || next == 0xBD)
            out[1] = static_cast<unsigned char>(next + 1); // Š Œ Ž
        else if (next == 0xB8) {
            out[0] = 0xC3; // Ÿ becomes ÿ
            out[1] = 0xBF;
        }
    }
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

} // namespace

namespace detail {
constexpr Table kFold = MakeCaseTable(true);
constexpr Table kOtherCase = MakeCaseTable(false);
} // namespace detail

size_t FoldAt(std::string_view text, size_t i, unsigned char out[2]) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c == 0xC3 || c == 0xC5) && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
        FoldPair(c, static_cast<unsigned char>(text[i + 1]), out);
        return 2;
    }
    out[0] = FoldCase(c);
    return 1;
}

std::string FoldText(std::string_view text) {
    std::string folded(text);
    unsigned char pair[2];
    for (size_t i = 0; i < text.size();) {
        const size_t n = FoldAt(text, i, pair);
        for (size_t k = 0; k < n; ++k)
            folded[i + k] = static_cast<char>(pair[k]);
        i += n;
    }
    return folded;
}

bool LessNoCase(std::string_view a, std::string_view b) { return FoldText(a) < FoldText(b); }

bool SameTextNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FoldText(a) == FoldText(b);
}

CaseInsensitiveFinder::CaseInsensitiveFinder(std::string_view pattern) {
    // A pattern with a line break could only match across lines, which is never allowed.
    if (HasLineBreak(pattern))
        return;
    m_pattern = FoldText(pattern);
    if (m_pattern.empty())
        return;
    m_ascii =
        std::all_of(m_pattern.begin(), m_pattern.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const auto first = static_cast<unsigned char>(m_pattern.front());
    const auto last = static_cast<unsigned char>(m_pattern.back());
    m_firstCases[0] = first;
    m_firstCases[1] = OtherCase(first);
    m_lastCases[0] = last;
    m_lastCases[1] = OtherCase(last);
    m_middle = m_pattern.size() / 2;
    const auto middle = static_cast<unsigned char>(m_pattern[m_middle]);
    m_middleCases[0] = middle;
    m_middleCases[1] = OtherCase(middle);
    // A byte inside a two-byte letter has no single other case to look for.
    m_filtered = first < 0x80 && middle < 0x80 && last < 0x80;
}

bool CaseInsensitiveFinder::MatchesAt(const unsigned char* at) const {
    const auto* pat = reinterpret_cast<const unsigned char*>(m_pattern.data());
    const size_t n = m_pattern.size();
    if (m_ascii) {
        for (size_t i = 0; i < n; ++i)
            if (FoldCase(at[i]) != pat[i])
                return false;
        return true;
    }
    const std::string_view text(reinterpret_cast<const char*>(at), n);
    unsigned char folded[2];
    for (size_t i = 0; i < n;) {
        const size_t length = FoldAt(text, i, folded);
        for (size_t k = 0; k < length; ++k)
            if (folded[k] != pat[i + k])
                return false;
        i += length;
    }
    return true;
}

size_t CaseInsensitiveFinder::FindIn(std::string_view text, size_t from) const {
    const size_t n = m_pattern.size();
    if (n == 0 || from > text.size() || text.size() - from < n)
        return std::string_view::npos;
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    const size_t last = text.size() - n; // last possible start
    size_t pos = from;
#if defined(__SSE2__)
    // Sixteen starts at a time: candidates are where the first, the middle and the last byte of
    // the pattern match in either case; only those are compared in full. The middle byte
    // tells apart placeholders that share their opening and closing marks.
    const __m128i first0 = _mm_set1_epi8(static_cast<char>(m_firstCases[0]));
    const __m128i first1 = _mm_set1_epi8(static_cast<char>(m_firstCases[1]));
    const __m128i last0 = _mm_set1_epi8(static_cast<char>(m_lastCases[0]));
    const __m128i last1 = _mm_set1_epi8(static_cast<char>(m_lastCases[1]));
    const __m128i middle0 = _mm_set1_epi8(static_cast<char>(m_middleCases[0]));
    const __m128i middle1 = _mm_set1_epi8(static_cast<char>(m_middleCases[1]));
    for (; m_filtered && pos + 15 <= last; pos += 16) {
        const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
        const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos + n - 1));
        const __m128i headHit = _mm_or_si128(_mm_cmpeq_epi8(head, first0), _mm_cmpeq_epi8(head, first1));
        const __m128i tailHit = _mm_or_si128(_mm_cmpeq_epi8(tail, last0), _mm_cmpeq_epi8(tail, last1));
        const __m128i mid = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos + m_middle));
        const __m128i midHit = _mm_or_si128(_mm_cmpeq_epi8(mid, middle0), _mm_cmpeq_epi8(mid, middle1));
        const __m128i hits = _mm_and_si128(_mm_and_si128(headHit, tailHit), midHit);
        for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits)); mask; mask &= mask - 1) {
            const size_t at = pos + static_cast<size_t>(__builtin_ctz(mask));
            if (MatchesAt(data + at))
                return at;
        }
    }
#endif
    for (; pos <= last; ++pos)
        if (MatchesAt(data + pos))
            return pos;
    return std::string_view::npos;
}

size_t ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement) {
    const CaseInsensitiveFinder finder(pattern);
    size_t pos = finder.FindIn(text);
    if (pos == std::string::npos)
        return 0;
    std::string out;
    out.reserve(text.size() + replacement.size() * 4);
    size_t copied = 0;
    size_t count = 0;
    while (pos != std::string::npos) {
        out.append(text, copied, pos - copied);
        out.append(replacement);
        copied = pos + finder.size();
        ++count;
        pos = finder.FindIn(text, copied);
    }
    out.append(text, copied, std::string::npos);
    text.swap(out);
    return count;
}

size_t ReplaceFirst(std::string& text, std::string_view pattern, std::string_view replacement, size_t from) {
    const CaseInsensitiveFinder finder(pattern);
    const size_t pos = finder.FindIn(text, from);
    if (pos == std::string::npos)
        return pos;
    text.replace(pos, finder.size(), replacement);
    return pos + replacement.size();
}

} // namespace quorlex
