#include "util/TextSearch.h"

#include <array>

namespace quorlex {
namespace {

std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7)
            table[c] = static_cast<unsigned char>(c + 32);
    table[0x8A] = 0x9A; // S caron
    table[0x8C] = 0x9C; // OE
    table[0x8E] = 0x9E; // Z caron
    table[0x9F] = 0xFF; // Y diaeresis
    return table;
}

const std::array<unsigned char, 256> kFold = MakeFoldTable();

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

unsigned char FoldCase(unsigned char c) { return kFold[c]; }

CaseInsensitiveFinder::CaseInsensitiveFinder(std::string_view pattern) {
    // A pattern with a line break could only match across lines, which is never allowed.
    if (!HasLineBreak(pattern))
        for (char c : pattern)
            m_pattern += static_cast<char>(kFold[static_cast<unsigned char>(c)]);
    const size_t n = m_pattern.size();
    for (auto& shift : m_shift)
        shift = n ? n : 1;
    for (size_t i = 0; i + 1 < n; ++i)
        m_shift[static_cast<unsigned char>(m_pattern[i])] = n - 1 - i;
    // The shift table is keyed by folded bytes; give both cases of a letter the same shift.
    for (int c = 0; c < 256; ++c)
        m_shift[c] = m_shift[kFold[c]];
}

size_t CaseInsensitiveFinder::FindIn(std::string_view text, size_t from) const {
    const size_t n = m_pattern.size();
    if (n == 0 || from > text.size() || text.size() - from < n)
        return std::string_view::npos;
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    const auto* pat = reinterpret_cast<const unsigned char*>(m_pattern.data());
    const unsigned char last = pat[n - 1];
    const size_t end = text.size() - n;
    for (size_t pos = from; pos <= end;) {
        const unsigned char tail = data[pos + n - 1];
        if (kFold[tail] == last) {
            size_t i = 0;
            while (i + 1 < n && kFold[data[pos + i]] == pat[i])
                ++i;
            if (i + 1 >= n)
                return pos;
        }
        pos += m_shift[tail];
    }
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
