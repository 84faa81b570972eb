#include "output/PageReferences.h"

#include "util/PathUtils.h"
#include "util/TextSearch.h"

#include <utility>

namespace quorlex {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == ':';
}

std::string Lower(std::string_view text) {
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
    return lower;
}

// Whether `pattern` (lower case) stands at `pos`, letters compared without case.
bool StartsFolded(std::string_view text, size_t pos, std::string_view pattern) {
    if (pos > text.size() || text.size() - pos < pattern.size())
        return false;
    for (size_t i = 0; i < pattern.size(); ++i)
        if (FoldCase(static_cast<unsigned char>(text[pos + i])) != static_cast<unsigned char>(pattern[i]))
            return false;
    return true;
}

std::string Unquoted(std::string_view text) {
    text = TrimControls(text);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

std::string DecodeEntities(std::string_view text) {
    static const std::pair<std::string_view, char> kEntities[] = {{"&amp;", '&'},  {"&quot;", '"'}, {"&apos;", '\''},
                                                                  {"&#39;", '\''}, {"&lt;", '<'},   {"&gt;", '>'}};
    std::string decoded;
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [entity, character] : kEntities) {
            if (StartsFolded(text, i, entity)) {
                decoded += character;
                i += entity.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            decoded += text[i++];
    }
    return decoded;
}

// Reads one tag from just after "<name": its attributes up to ">". Returns the position after
// the tag.
size_t ReadAttributes(std::string_view html, size_t pos, std::vector<std::pair<std::string, std::string>>& out) {
    while (pos < html.size()) {
        while (pos < html.size() && (IsBlank(html[pos]) || html[pos] == '/'))
            ++pos;
        if (pos >= html.size())
            return html.size();
        if (html[pos] == '>')
            return pos + 1;
        const size_t nameStart = pos;
        while (pos < html.size() && !IsBlank(html[pos]) && html[pos] != '=' && html[pos] != '>' && html[pos] != '/')
            ++pos;
        const std::string name = Lower(html.substr(nameStart, pos - nameStart));
        while (pos < html.size() && IsBlank(html[pos]))
            ++pos;
        std::string value;
        if (pos < html.size() && html[pos] == '=') {
            ++pos;
            while (pos < html.size() && IsBlank(html[pos]))
                ++pos;
            if (pos < html.size() && (html[pos] == '"' || html[pos] == '\'')) {
                const char quote = html[pos];
                const size_t end = html.find(quote, pos + 1);
                const size_t stop = end == std::string_view::npos ? html.size() : end;
                value = std::string(html.substr(pos + 1, stop - pos - 1));
                pos = stop + 1;
            } else {
                const size_t valueStart = pos;
                while (pos < html.size() && !IsBlank(html[pos]) && html[pos] != '>')
                    ++pos;
                value = std::string(html.substr(valueStart, pos - valueStart));
            }
        }
        if (!name.empty())
            out.emplace_back(name, DecodeEntities(value));
        else if (pos < html.size())
            ++pos;
    }
    return pos;
}

void Append(std::vector<std::string>& to, std::vector<std::string> more) {
    for (auto& item : more)
        to.push_back(std::move(item));
}

} // namespace

std::vector<std::string> CssReferences(std::string_view css) {
    std::vector<std::string> found;
    size_t pos = 0;
    while (pos < css.size()) {
        if (css.compare(pos, 2, "/*") == 0) {
            const size_t end = css.find("*/", pos + 2);
            pos = end == std::string_view::npos ? css.size() : end + 2;
        } else if (StartsFolded(css, pos, "url(")) {
            const size_t end = css.find(')', pos + 4);
            const size_t stop = end == std::string_view::npos ? css.size() : end;
            found.push_back(Unquoted(css.substr(pos + 4, stop - pos - 4)));
            pos = stop + 1;
        } else if (StartsFolded(css, pos, "@import")) {
            pos += 7;
            while (pos < css.size() && IsBlank(css[pos]))
                ++pos;
            if (pos < css.size() && (css[pos] == '"' || css[pos] == '\'')) {
                const size_t end = css.find(css[pos], pos + 1);
                const size_t stop = end == std::string_view::npos ? css.size() : end;
                found.push_back(std::string(css.substr(pos + 1, stop - pos - 1)));
                pos = stop + 1;
            }
        } else {
            ++pos;
        }
    }
    return found;
}

std::vector<std::string> HtmlReferences(std::string_view html) {
    std::vector<std::string> found;
    size_t pos = 0;
    while ((pos = html.find('<', pos)) != std::string_view::npos) {
        if (html.compare(pos, 4, "<!--") == 0) {
            const size_t end = html.find("-->", pos + 4);
            pos = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        size_t nameEnd = pos + 1;
        while (nameEnd < html.size() && IsNameChar(html[nameEnd]))
            ++nameEnd;
        if (nameEnd == pos + 1) {
            // "</x>", "<!DOCTYPE", "<?xml" and a lone "<" name nothing.
            const size_t end = html.find('>', pos + 1);
            pos = html.compare(pos, 2, "</") == 0 || html.compare(pos, 2, "<!") == 0 || html.compare(pos, 2, "<?") == 0
                      ? (end == std::string_view::npos ? html.size() : end + 1)
                      : pos + 1;
            continue;
        }
        const std::string tag = Lower(html.substr(pos + 1, nameEnd - pos - 1));
        std::vector<std::pair<std::string, std::string>> attributes;
        pos = ReadAttributes(html, nameEnd, attributes);
        for (const auto& [name, value] : attributes) {
            if (name == "href" || name == "src" || name == "background")
                found.push_back(value);
            else if (name == "style")
                Append(found, CssReferences(value));
        }
        if (tag == "style" || tag == "script") {
            const size_t end = CaseInsensitiveFinder("</" + tag).FindIn(html, pos);
            const size_t stop = end == std::string_view::npos ? html.size() : end;
            if (tag == "style" && pos < stop)
                Append(found, CssReferences(html.substr(pos, stop - pos)));
            pos = stop;
        }
    }
    return found;
}

} // namespace quorlex
