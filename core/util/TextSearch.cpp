#include "util/TextSearch.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorlex {
namespace {

using Table = std::array<unsigned char, 256>;

// Both tables from the letter pairs: ASCII, the accented letters and the four pairs in 0x8A..0x9F.
constexpr Table MakeCaseTable(bool fold) {
    Table t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(c);
    auto pair = [&t, fold](int upper, int lower) {
        t[upper] = static_cast<unsigned char>(lower);
        if (!fold)
            t[lower] = static_cast<unsigned char>(upper);
    };
    for (int c = 'A'; c <= 'Z'; ++c)
        pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7)
            pair(c, c + 32);
    pair(0x8A, 0x9A);
    pair(0x8C, 0x9C);
    pair(0x8E, 0x9E);
    pair(0x9F, 0xFF);
    return t;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

} // namespace

namespace detail {
constexpr Table kFold = MakeCaseTable(true);
constexpr Table kOtherCase = MakeCaseTable(false);
} // namespace detail

CaseInsensitiveFinder::CaseInsensitiveFinder(std::string_view pattern) {
    // A pattern with a line break could only match across lines, which is never allowed.
    if (HasLineBreak(pattern))
        return;
    for (char c : pattern)
        m_pattern += static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
    if (m_pattern.empty())
        return;
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
}

bool CaseInsensitiveFinder::MatchesAt(const unsigned char* at) const {
    const auto* pat = reinterpret_cast<const unsigned char*>(m_pattern.data());
    for (size_t i = 0; i < m_pattern.size(); ++i)
        if (FoldCase(at[i]) != pat[i])
            return false;
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
    for (; pos + 15 <= last; pos += 16) {
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
