#include "preview/StyleDiff.h"

#include "util/TextSearch.h"

namespace quorlex {
namespace {

struct Span {
    size_t begin;
    size_t end;
};

// The text between "<style ...>" and "</style" of every style element, in page order; style
// tags inside HTML comments (such as conditional comments) make no element and are skipped.
// False when a block is never closed.
bool StyleBlocks(std::string_view page, std::vector<Span>& blocks) {
    static const CaseInsensitiveFinder open("<style");
    static const CaseInsensitiveFinder close("</style");
    blocks.clear();
    for (size_t at = open.FindIn(page); at != std::string_view::npos; at = open.FindIn(page, at)) {
        const size_t comment = page.rfind("<!--", at);
        if (comment != std::string_view::npos && page.find("-->", comment + 4) > at) {
            const size_t end = page.find("-->", at);
            if (end == std::string_view::npos)
                break;
            at = end + 3;
            continue;
        }
        const size_t after = at + open.size();
        if (after < page.size() && page[after] != '>' && page[after] > ' ') {
            at = after; // "<styles", not a style element
            continue;
        }
        const size_t content = page.find('>', after);
        if (content == std::string_view::npos)
            return false;
        const size_t end = close.FindIn(page, content + 1);
        if (end == std::string_view::npos)
            return false;
        blocks.push_back({content + 1, end});
        at = end + close.size();
    }
    return true;
}

} // namespace

std::optional<StylePatch> StyleOnlyChanges(std::string_view shown, std::string_view next) {
    std::vector<Span> before, after;
    if (!StyleBlocks(shown, before) || !StyleBlocks(next, after) || before.size() != after.size())
        return std::nullopt;
    StylePatch patch{before.size(), {}};
    size_t shownFrom = 0, nextFrom = 0;
    for (size_t i = 0; i <= before.size(); ++i) {
        const size_t shownTo = i < before.size() ? before[i].begin : shown.size();
        const size_t nextTo = i < after.size() ? after[i].begin : next.size();
        if (shown.substr(shownFrom, shownTo - shownFrom) != next.substr(nextFrom, nextTo - nextFrom))
            return std::nullopt;
        if (i == before.size())
            break;
        const std::string_view oldCss = shown.substr(before[i].begin, before[i].end - before[i].begin);
        const std::string_view newCss = next.substr(after[i].begin, after[i].end - after[i].begin);
        if (oldCss != newCss)
            patch.changes.push_back({i, std::string(newCss)});
        shownFrom = before[i].end;
        nextFrom = after[i].end;
    }
    return patch;
}

} // namespace quorlex
