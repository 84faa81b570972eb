#include "workspace/StyleRebase.h"

#include <cctype>
#include <vector>

namespace quorlex {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

bool StartsNoCase(std::string_view text, size_t at, std::string_view word) {
    if (text.size() - std::min(at, text.size()) < word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i])
            return false;
    return true;
}

// "data:", "https:" and the like: a scheme is a letter, then letters, digits, "+", "-" or ".".
bool HasScheme(std::string_view address) {
    if (address.empty() || !std::isalpha(static_cast<unsigned char>(address[0])))
        return false;
    for (size_t i = 1; i < address.size(); ++i) {
        const char c = address[i];
        if (c == ':')
            return true;
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return false;
}

bool StaysAsWritten(std::string_view address) {
    return address.empty() || address[0] == '/' || address[0] == '\\' || address[0] == '#' || HasScheme(address);
}

// Joins the segments, taking out "." and each "name/.." pair; ".." beyond the root stays.
std::string Normalized(std::string_view path) {
    std::vector<std::string_view> kept;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view part = path.substr(start, end - start);
        const bool last = end == path.size();
        if (part == ".." && !kept.empty() && kept.back() != "..")
            kept.pop_back();
        else if (part != "." && !(part.empty() && !last))
            kept.push_back(part);
        else if (last)
            kept.push_back({}); // "css/." and "css/" keep their closing "/"
        start = end + 1;
    }
    std::string out;
    for (size_t i = 0; i < kept.size(); ++i)
        out.append(i ? "/" : "").append(kept[i]);
    return out;
}

class Rebaser {
public:
    Rebaser(std::string_view css, std::string folder) : m_css(css), m_folder(std::move(folder)) {}

    std::string Run() {
        m_out.reserve(m_css.size() + m_css.size() / 16);
        while (m_pos < m_css.size()) {
            if (m_css.compare(m_pos, 2, "/*") == 0)
                CopyComment();
            else if (m_css[m_pos] == '"' || m_css[m_pos] == '\'')
                CopyString();
            else if (StartsNoCase(m_css, m_pos, "url(") && !PartOfName())
                RebaseUrl();
            else if (StartsNoCase(m_css, m_pos, "@import"))
                RebaseImport();
            else
                CopyPlainText();
        }
        return std::move(m_out);
    }

private:
    bool PartOfName() const {
        if (m_pos == 0)
            return false;
        const char before = m_css[m_pos - 1];
        return std::isalnum(static_cast<unsigned char>(before)) || before == '-' || before == '_';
    }

    // Up to the next character that may start a comment, a string, url( or @import.
    void CopyPlainText() {
        const size_t next = m_css.find_first_of("/\"'uU@", m_pos + 1);
        CopyUpTo(next == std::string_view::npos ? m_css.size() : next);
    }

    void CopyUpTo(size_t end) {
        m_out.append(m_css, m_pos, end - m_pos);
        m_pos = end;
    }

    void CopyComment() {
        const size_t end = m_css.find("*/", m_pos + 2);
        CopyUpTo(end == std::string_view::npos ? m_css.size() : end + 2);
    }

    // The position after the string that opens at `open`, escapes inside included.
    size_t StringEnd(size_t open) const {
        size_t i = open + 1;
        while (i < m_css.size() && m_css[i] != m_css[open] && m_css[i] != '\n') {
            if (m_css[i] == '\\')
                ++i;
            ++i;
        }
        return std::min(i + 1, m_css.size());
    }

    void CopyString() { CopyUpTo(StringEnd(m_pos)); }

    // A quoted or bare address: quotes and blanks copied, the address rebased.
    void RebaseQuoted(size_t open) {
        const size_t end = StringEnd(open);
        const bool closed = end - open >= 2 && m_css[end - 1] == m_css[open];
        m_out += m_css[open];
        m_out += RebasedAddress(m_css.substr(open + 1, end - open - 1 - closed), m_folder);
        if (closed)
            m_out += m_css[open];
        m_pos = end;
    }

    void RebaseUrl() {
        CopyUpTo(m_pos + 4);
        while (m_pos < m_css.size() && IsBlank(m_css[m_pos]))
            m_out += m_css[m_pos++];
        if (m_pos < m_css.size() && (m_css[m_pos] == '"' || m_css[m_pos] == '\'')) {
            RebaseQuoted(m_pos);
            return;
        }
        size_t end = m_pos;
        while (end < m_css.size() && m_css[end] != ')' && !IsBlank(m_css[end]))
            ++end;
        m_out += RebasedAddress(m_css.substr(m_pos, end - m_pos), m_folder);
        m_pos = end;
    }

    void RebaseImport() {
        CopyUpTo(m_pos + 7);
        while (m_pos < m_css.size() && IsBlank(m_css[m_pos]))
            m_out += m_css[m_pos++];
        if (m_pos < m_css.size() && (m_css[m_pos] == '"' || m_css[m_pos] == '\''))
            RebaseQuoted(m_pos);
        // "@import url(...)" is rebased as every url(...) is.
    }

    std::string_view m_css;
    std::string m_folder;
    std::string m_out;
    size_t m_pos = 0;
};

std::string FolderWithSlash(std::string_view folder) {
    std::string out(folder);
    for (char& c : out)
        if (c == '\\')
            c = '/';
    while (!out.empty() && out.front() == '/')
        out.erase(0, 1);
    if (!out.empty() && out.back() != '/')
        out += '/';
    return out == "./" ? std::string() : out;
}

} // namespace

std::string RebasedAddress(std::string_view address, std::string_view folder) {
    const std::string base = FolderWithSlash(folder);
    if (base.empty() || StaysAsWritten(address))
        return std::string(address);
    const size_t tail = address.find_first_of("?#");
    const std::string_view path = address.substr(0, tail);
    const std::string_view rest = tail == std::string_view::npos ? std::string_view() : address.substr(tail);
    std::string joined = Normalized(base + std::string(path));
    if (joined.empty())
        joined = "./";
    return joined + std::string(rest);
}

std::string RebaseStyleSheet(std::string_view css, std::string_view folder) {
    std::string base = FolderWithSlash(folder);
    if (base.empty())
        return std::string(css);
    return Rebaser(css, std::move(base)).Run();
}

} // namespace quorlex
