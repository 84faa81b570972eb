#include "menus/MenuItem.h"

#include "util/PathUtils.h"
#include "util/TextSearch.h"

namespace quorlex {
namespace {

std::string Unescape(std::string piece) {
    ReplaceAll(piece, "&sp;", "|");
    ReplaceAll(piece, "&nbsp;", " ");
    return piece;
}

std::string Escape(std::string field) {
    ReplaceAll(field, "|", "&sp;");
    return field;
}

} // namespace

MenuItemFields SplitMenuItem(std::string_view text) {
    std::string pieces[3];
    size_t start = 0;
    for (int i = 0; i < 3 && start <= text.size(); ++i) {
        const size_t bar = text.find('|', start);
        const size_t end = bar == std::string_view::npos ? text.size() : bar;
        pieces[i] = Unescape(std::string(text.substr(start, end - start)));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    return {pieces[0], pieces[1], pieces[2]};
}

std::string JoinMenuItem(const std::string& caption, const std::string& link, const std::string& target) {
    return Escape(caption) + "|" + Escape(link) + "|" + Escape(target);
}

std::string MenuItemAnchor(std::string_view text) {
    const MenuItemFields fields = SplitMenuItem(text);
    const std::string caption(TrimControls(fields.caption));
    const std::string link(TrimControls(fields.link));
    const std::string target(TrimControls(fields.target));
    if (link.empty())
        return "<a href=\"#\" >" + caption + "</a>";
    const std::string targetAttribute = target.empty() ? "" : "target=\"" + target + "\"";
    return "<a href=\"" + link + "\" " + targetAttribute + " >" + caption + "</a>";
}

} // namespace quorlex
