#include "util/OrderedReplace.h"

#include "util/Error.h"
#include "util/TextSearch.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <unordered_map>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorlex {
namespace {

// Calls f with each byte of the text's folded form.
template <typename F>
void ForEachFolded(std::string_view text, F&& f) {
    unsigned char folded[2];
    for (size_t i = 0; i < text.size();) {
        const size_t n = FoldAt(text, i, folded);
        for (size_t k = 0; k < n; ++k)
            f(folded[k]);
        i += n;
    }
}

bool Searchable(std::string_view pattern) {
    return !pattern.empty() && pattern.find_first_of("\r\n") == std::string_view::npos;
}

// Finds every occurrence of every pattern of a table in one scan. Candidates are found by
// their first byte, filtered by a hash of their first bytes, then looked up by a hash of the
// whole text once per distinct pattern length and compared.
class PatternIndex {
public:
    explicit PatternIndex(const std::vector<Replacement>& rows) : m_rows(rows) {
        for (const auto& row : rows)
            if (Searchable(row.pattern))
                m_prefix = std::min(m_prefix, row.pattern.size());
        for (size_t row = 0; row < rows.size(); ++row) {
            const std::string_view p = rows[row].pattern;
            if (!Searchable(p))
                continue;
            m_longest = std::max(m_longest, p.size());
            const unsigned char first = FoldCase(static_cast<unsigned char>(p[0]));
            m_firstBytes.set(first);
            m_firstBytes.set(OtherCase(first));
            m_prefixes.set(Hash(p.substr(0, m_prefix)) & 0xFFFF);
            if (std::find(m_lengths.begin(), m_lengths.end(), p.size()) == m_lengths.end())
                m_lengths.push_back(p.size());
            m_byHash[Hash(p)].push_back(row);
        }
        for (int c = 0; c < 256; ++c)
            if (m_firstBytes[c])
                m_firstByteList.push_back(static_cast<char>(c));
    }

    size_t longest() const { return m_longest; }

    // Calls found(position, row) for each occurrence, overlapping ones included, until `done()`.
    template <typename Found, typename Done>
    void Scan(std::string_view text, Found&& found, Done&& done) const {
        size_t pos = 0;
#if defined(__SSE2__)
        if (m_firstByteList.size() <= 4) {
            // Few distinct first bytes (placeholders mostly start alike): find them 16 at a time.
            __m128i firsts[4];
            const size_t k = m_firstByteList.size();
            for (size_t i = 0; i < k; ++i)
                firsts[i] = _mm_set1_epi8(m_firstByteList[i]);
            for (; pos + 16 <= text.size() && !done(); pos += 16) {
                const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + pos));
                __m128i hit = _mm_setzero_si128();
                for (size_t i = 0; i < k; ++i)
                    hit = _mm_or_si128(hit, _mm_cmpeq_epi8(block, firsts[i]));
                for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hit)); mask; mask &= mask - 1)
                    ScanAt(text, pos + static_cast<size_t>(__builtin_ctz(mask)), found);
            }
        }
#endif
        for (; pos < text.size() && !done(); ++pos)
            if (m_firstBytes[static_cast<unsigned char>(text[pos])])
                ScanAt(text, pos, found);
    }

    template <typename Found>
    void Scan(std::string_view text, Found&& found) const {
        Scan(text, found, [] { return false; });
    }

private:
    // FNV-1a over the folded bytes.
    static std::uint64_t Hash(std::string_view text) {
        std::uint64_t h = 1469598103934665603ull;
        ForEachFolded(text, [&h](unsigned char c) { h = (h ^ c) * 1099511628211ull; });
        return h;
    }

    static bool MatchesAt(std::string_view text, size_t pos, std::string_view pattern) {
        const std::string_view here = text.substr(pos, pattern.size());
        unsigned char a[2];
        unsigned char b[2];
        for (size_t i = 0; i < pattern.size();) {
            const size_t n = FoldAt(here, i, a);
            if (FoldAt(pattern, i, b) != n || a[0] != b[0] || (n == 2 && a[1] != b[1]))
                return false;
            i += n;
        }
        return true;
    }

    template <typename Found>
    void ScanAt(std::string_view text, size_t pos, Found&& found) const {
        if (pos + m_prefix > text.size() || !m_prefixes[Hash(text.substr(pos, m_prefix)) & 0xFFFF])
            return;
        for (size_t length : m_lengths) {
            if (pos + length > text.size())
                continue;
            const auto it = m_byHash.find(Hash(text.substr(pos, length)));
            if (it == m_byHash.end())
                continue;
            for (size_t row : it->second)
                if (m_rows[row].pattern.size() == length && MatchesAt(text, pos, m_rows[row].pattern))
                    found(pos, row);
        }
    }

    const std::vector<Replacement>& m_rows;
    size_t m_longest = 0;
    size_t m_prefix = 4; // bytes hashed into the prefix filter: up to the shortest pattern
    std::bitset<256> m_firstBytes;
    std::string m_firstByteList;
    std::bitset<65536> m_prefixes;
    std::vector<size_t> m_lengths;
    std::unordered_map<std::uint64_t, std::vector<size_t>> m_byHash;
};

struct Span {
    size_t begin;
    size_t end;
    size_t row;       // of an occurrence: its row; of a region: the index of its first occurrence
    size_t count = 1; // of a region: how many occurrences it holds
};

// Stretches of the text around the occurrences (sorted by position): occurrences closer than
// twice the longest pattern share a stretch, and each stretch reaches that far beyond its
// outer occurrences.
std::vector<Span> Regions(const std::vector<Span>& occurrences, size_t margin, size_t size) {
    std::vector<Span> regions;
    for (size_t i = 0; i < occurrences.size(); ++i) {
        const Span& o = occurrences[i];
        if (!regions.empty() && o.begin < regions.back().end + 2 * margin) {
            regions.back().end = std::max(regions.back().end, o.end);
            ++regions.back().count;
            continue;
        }
        regions.push_back({o.begin, o.end, i, 1});
    }
    for (Span& r : regions) {
        r.begin = r.begin >= margin ? r.begin - margin : 0;
        r.end = std::min(size, r.end + margin);
    }
    return regions;
}

[[noreturn]] void TooLarge(std::string_view pattern, size_t limit) {
    throw Error("The page would grow past " + std::to_string(limit >> 20) + " MB while \"" + std::string(pattern) +
                "\" is replaced: the values of the template repeat their placeholders without end.");
}

// Replaces every occurrence of one row in `region` into `out`, noting where each inserted
// text starts in `out`. `outside` is the size of the text around the region, for the limit.
bool ReplaceRow(const std::string& region, const Replacement& row, const CaseInsensitiveFinder& finder, size_t margin,
                bool startsText, bool endsText, size_t outside, size_t limit, std::string& out,
                std::vector<size_t>& inserted) {
    out.clear();
    inserted.clear();
    size_t copied = 0;
    for (size_t at = finder.FindIn(region); at != std::string::npos; at = finder.FindIn(region, copied)) {
        const bool nearStart = !startsText && at < margin;
        const bool nearEnd = !endsText && at + finder.size() + margin > region.size();
        if (nearStart || nearEnd)
            return false;
        if (outside + out.size() + (at - copied) + row.text.size() + (region.size() - at) > limit)
            TooLarge(row.pattern, limit);
        out.append(region, copied, at - copied);
        inserted.push_back(out.size());
        out.append(row.text);
        copied = at + finder.size();
    }
    out.append(region, copied, std::string::npos);
    return true;
}

// Runs the rows in order over one region. Which rows still occur is tracked as it changes: the
// text changes only around each inserted text, so only there can a later row newly occur.
// False when a replacement came within `margin` of the region's edges, where it could
// interact with text outside.
bool ReplaceInRegion(std::string& region, const std::vector<Replacement>& rows, const PatternIndex& index,
                     std::vector<bool>& present, size_t margin, bool startsText, bool endsText, size_t outside,
                     size_t limit) {
    std::string out;
    std::vector<size_t> inserted;
    for (size_t row = 0; row < rows.size(); ++row) {
        if (!present[row])
            continue;
        const CaseInsensitiveFinder finder(rows[row].pattern);
        if (!ReplaceRow(region, rows[row], finder, margin, startsText, endsText, outside, limit, out, inserted))
            return false;
        region.swap(out);
        const size_t reach = margin > 0 ? margin - 1 : 0;
        for (size_t at : inserted) {
            const size_t from = at >= reach ? at - reach : 0;
            const size_t to = std::min(region.size(), at + rows[row].text.size() + reach);
            index.Scan(std::string_view(region).substr(from, to - from), [&](size_t, size_t found) {
                if (found > row)
                    present[found] = true;
            });
        }
    }
    return true;
}

void ReplaceEachInTurn(std::string& text, const std::vector<Replacement>& rows, size_t limit) {
    std::string out;
    std::vector<size_t> inserted;
    for (const auto& row : rows) {
        const CaseInsensitiveFinder finder(row.pattern);
        ReplaceRow(text, row, finder, 0, true, true, 0, limit, out, inserted);
        text.swap(out);
    }
}

} // namespace

void ReplaceAllInOrder(std::string& text, const std::vector<Replacement>& replacements) {
    std::string scratch;
    ReplaceAllInOrder(text, replacements, scratch);
}

void ReplaceAllInOrder(std::string& text, const std::vector<Replacement>& replacements, std::string& scratch,
                       size_t limit) {
    const PatternIndex index(replacements);
    std::vector<Span> occurrences;
    // Where placeholders crowd the text, regions save nothing: one scan per row is quicker.
    const size_t crowded = text.size() / 64 + 64;
    index.Scan(
        text,
        [&](size_t pos, size_t row) {
            occurrences.push_back({pos, pos + replacements[row].pattern.size(), row});
        },
        [&] { return occurrences.size() > crowded; });
    if (occurrences.empty())
        return;
    if (occurrences.size() > crowded) {
        ReplaceEachInTurn(text, replacements, limit);
        return;
    }
    std::stable_sort(occurrences.begin(), occurrences.end(),
                     [](const Span& a, const Span& b) { return a.begin < b.begin; });
    std::vector<bool> present(replacements.size());
    const size_t margin = index.longest();
    std::string& out = scratch;
    out.clear();
    out.reserve(text.size() + text.size() / 8);
    size_t copied = 0;
    std::string region;
    for (const Span& r : Regions(occurrences, margin, text.size())) {
        region.assign(text, r.begin, r.end - r.begin);
        std::fill(present.begin(), present.end(), false);
        for (size_t i = r.row; i < r.row + r.count; ++i)
            present[occurrences[i].row] = true;
        const size_t outside = out.size() + (r.begin - copied) + (text.size() - r.end);
        if (!ReplaceInRegion(region, replacements, index, present, margin, r.begin == 0, r.end == text.size(), outside,
                             limit)) {
            // A chain of replacements reached past its region: take the plain road.
            ReplaceEachInTurn(text, replacements, limit);
            return;
        }
        out.append(text, copied, r.begin - copied).append(region);
        copied = r.end;
    }
    out.append(text, copied, std::string::npos);
    text.swap(out);
}

} // namespace quorlex
