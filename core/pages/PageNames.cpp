#include "pages/PageNames.h"

#include "util/TextSearch.h"

namespace quorlex {

namespace {

bool EndsWithHtml(const std::string& name) {
    return name.size() > 5 && SameTextNoCase(name.substr(name.size() - 5), ".html");
}

bool PlainCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.';
}

// The first path part of a generated file: "css" of "css/main.css".
std::string TopName(const std::string& relative) {
    const size_t slash = relative.find_first_of("/\\");
    return slash == std::string::npos ? relative : relative.substr(0, slash);
}

} // namespace

std::string PageFileName(const std::string& typed) {
    const size_t first = typed.find_first_not_of(" \t");
    const size_t last = typed.find_last_not_of(" \t");
    std::string name = first == std::string::npos ? std::string() : typed.substr(first, last - first + 1);
    if (!name.empty() && !EndsWithHtml(name))
        name += ".html";
    return name;
}

std::optional<std::string> PageNameRefusal(const std::string& file, const SitePages& site, size_t index,
                                           const std::vector<std::string>& taken) {
    if (file.empty())
        return "Please, enter a name for the page.";
    for (const char c : file)
        if (!PlainCharacter(c))
            return "A page name may hold only letters, digits, \"-\", \"_\" and \".\" (no spaces or folders).";
    if (file.front() == '.' || !EndsWithHtml(file))
        return "A page name ends in \".html\" and does not start with \".\".";
    for (size_t i = 0; i < site.pages.size(); ++i)
        if (i != index && SameTextNoCase(site.pages[i].file, file))
            return "The site has a page named \"" + site.pages[i].file + "\" already.";
    if (index != 0 && SameTextNoCase(file, "index.html"))
        return "\"index.html\" is the home page.";
    for (const std::string& name : taken)
        if (SameTextNoCase(TopName(name), file))
            return "\"" + file + "\" is a file the site already has.";
    return std::nullopt;
}

} // namespace quorlex
