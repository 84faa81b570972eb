#include "util/OrderedReplace.h"

#include "util/TextSearch.h"

#include <algorithm>
#include <bitset>
#include <unordered_map>

namespace quorlex {
namespace {

unsigned Fold(char c) { return FoldCase(static_cast<unsigned char>(c)); }

bool MatchesAt(std::string_view text, size_t pos, std::string_view pattern) {
    if (pos + pattern.size() > text.size())
        return false;
    for (size_t i = 0; i < pattern.size(); ++i)
        if (Fold(text[pos + i]) != Fold(pattern[i]))
            return false;
    return true;
}

bool Searchable(std::string_view pattern) {
    return !pattern.empty() && pattern.find_first_of("\r\n") == std::string_view::npos;
}

// Every occurrence (overlapping ones too) of every pattern in `text`, in one scan, keyed by
// the folded first two bytes of the patterns.
std::vector<std::vector<size_t>> FindAllOccurrences(std::string_view text, const std::vector<Replacement>& rows) {
    std::vector<std::vector<size_t>> found(rows.size());
    std::bitset<256> firstBytes;
    std::bitset<65536> firstPairs;
    std::unordered_map<unsigned, std::vector<size_t>> byPair;
    std::unordered_map<unsigned, std::vector<size_t>> singles;
    for (size_t row = 0; row < rows.size(); ++row) {
        const std::string_view p = rows[row].pattern;
        if (!Searchable(p))
            continue;
        firstBytes.set(Fold(p[0]));
        if (p.size() == 1) {
            singles[Fold(p[0])].push_back(row);
        } else {
            const unsigned key = Fold(p[0]) << 8 | Fold(p[1]);
            firstPairs.set(key);
            byPair[key].push_back(row);
        }
    }
    const size_t n = text.size();
    for (size_t pos = 0; pos < n; ++pos) {
        const unsigned first = Fold(text[pos]);
        if (!firstBytes[first])
            continue;
        if (!singles.empty()) {
            const auto it = singles.find(first);
            if (it != singles.end())
                for (size_t row : it->second)
                    found[row].push_back(pos);
        }
        if (pos + 1 >= n)
            continue;
        const unsigned key = first << 8 | Fold(text[pos + 1]);
        if (!firstPairs[key])
            continue;
        for (size_t row : byPair[key])
            if (MatchesAt(text, pos, rows[row].pattern))
                found[row].push_back(pos);
    }
    return found;
}

struct Piece {
    std::string_view data;
    bool original; // a view into the text being replaced
};

// The text under replacement: original pieces and inserted ones, with their start offsets.
class PieceText {
public:
    explicit PieceText(std::string_view original) : m_original(original) {
        m_pieces.push_back({original, true});
        Reindex();
    }

    // Replaces the occurrences of `row` in order; positions found by the first scan give the
    // matches inside original pieces, the rest are searched around inserted pieces.
    void ReplaceRow(const Replacement& row, const std::vector<size_t>& originalMatches) {
        const CaseInsensitiveFinder finder(row.pattern);
        if (finder.size() == 0)
            return;
        std::vector<size_t> candidates = OriginalCandidates(originalMatches, finder.size());
        AddCandidatesNearInserts(finder, candidates);
        std::sort(candidates.begin(), candidates.end());
        Apply(SelectNonOverlapping(candidates, finder.size()), finder.size(), row.text);
    }

    std::string Flatten() const {
        std::string out;
        out.reserve(m_total);
        for (const auto& piece : m_pieces)
            out.append(piece.data);
        return out;
    }

private:
    void Reindex() {
        m_starts.resize(m_pieces.size());
        size_t offset = 0;
        for (size_t i = 0; i < m_pieces.size(); ++i) {
            m_starts[i] = offset;
            offset += m_pieces[i].data.size();
        }
        m_total = offset;
    }

    size_t OriginalOffset(const Piece& piece) const {
        return static_cast<size_t>(piece.data.data() - m_original.data());
    }

    std::vector<size_t> OriginalCandidates(const std::vector<size_t>& matches, size_t m) const {
        std::vector<size_t> out;
        for (size_t i = 0; i < m_pieces.size(); ++i) {
            const Piece& piece = m_pieces[i];
            if (!piece.original || piece.data.size() < m)
                continue;
            const size_t from = OriginalOffset(piece);
            const size_t last = from + piece.data.size() - m;
            for (auto it = std::lower_bound(matches.begin(), matches.end(), from); it != matches.end() && *it <= last; ++it)
                out.push_back(m_starts[i] + (*it - from));
        }
        return out;
    }

    size_t PieceAt(size_t pos) const {
        return static_cast<size_t>(std::upper_bound(m_starts.begin(), m_starts.end(), pos) - m_starts.begin()) - 1;
    }

    bool InsideOneOriginal(size_t pos, size_t m) const {
        if (m_pieces.empty() || pos >= m_total)
            return false;
        const size_t i = PieceAt(pos);
        return m_pieces[i].original && pos + m <= m_starts[i] + m_pieces[i].data.size();
    }

    std::string Gather(size_t from, size_t to) const {
        std::string out;
        for (size_t i = from < m_total ? PieceAt(from) : m_pieces.size(); i < m_pieces.size() && m_starts[i] < to; ++i) {
            const size_t begin = std::max(from, m_starts[i]) - m_starts[i];
            const size_t end = std::min(to, m_starts[i] + m_pieces[i].data.size()) - m_starts[i];
            out.append(m_pieces[i].data.substr(begin, end - begin));
        }
        return out;
    }

    // Matches that touch an inserted piece or span the junction where one was inserted.
    void AddCandidatesNearInserts(const CaseInsensitiveFinder& finder, std::vector<size_t>& out) const {
        const size_t m = finder.size();
        for (size_t i = 0; i < m_pieces.size(); ++i) {
            if (m_pieces[i].original)
                continue;
            const size_t from = m_starts[i] >= m - 1 ? m_starts[i] - (m - 1) : 0;
            const size_t to = std::min(m_total, m_starts[i] + m_pieces[i].data.size() + (m - 1));
            const std::string window = Gather(from, to);
            for (size_t at = finder.FindIn(window); at != std::string::npos; at = finder.FindIn(window, at + 1))
                if (!InsideOneOriginal(from + at, m))
                    out.push_back(from + at);
        }
    }

    static std::vector<size_t> SelectNonOverlapping(const std::vector<size_t>& sorted, size_t m) {
        std::vector<size_t> chosen;
        size_t freeFrom = 0;
        for (size_t pos : sorted) {
            if (pos < freeFrom)
                continue;
            chosen.push_back(pos);
            freeFrom = pos + m;
        }
        return chosen;
    }

    void Apply(const std::vector<size_t>& matches, size_t m, std::string_view replacement) {
        if (matches.empty())
            return;
        std::vector<Piece> next;
        next.reserve(m_pieces.size() + 2 * matches.size());
        size_t match = 0;
        size_t skipUntil = 0; // end of the last match: text before it is replaced
        for (size_t i = 0; i < m_pieces.size(); ++i) {
            const size_t start = m_starts[i];
            const Piece& piece = m_pieces[i];
            const size_t len = piece.data.size();
            if (len == 0) {
                if (skipUntil <= start)
                    next.push_back(piece); // keeps the junction of an empty insert
                continue;
            }
            size_t cut = skipUntil > start ? std::min(len, skipUntil - start) : 0;
            while (match < matches.size() && matches[match] < start + len) {
                const size_t local = matches[match] - start;
                if (local > cut)
                    next.push_back({piece.data.substr(cut, local - cut), piece.original});
                next.push_back({replacement, false});
                skipUntil = matches[match] + m;
                cut = std::min(len, skipUntil - start);
                ++match;
            }
            if (cut < len)
                next.push_back({piece.data.substr(cut), piece.original});
        }
        m_pieces.swap(next);
        Reindex();
    }

    std::string_view m_original;
    std::vector<Piece> m_pieces;
    std::vector<size_t> m_starts;
    size_t m_total = 0;
};

} // namespace

void ReplaceAllInOrder(std::string& text, const std::vector<Replacement>& replacements) {
    const auto occurrences = FindAllOccurrences(text, replacements);
    PieceText pieces(text);
    for (size_t row = 0; row < replacements.size(); ++row)
        pieces.ReplaceRow(replacements[row], occurrences[row]);
    text = pieces.Flatten();
}

} // namespace quorlex
