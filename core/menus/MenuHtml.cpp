#include "menus/MenuHtml.h"

#include "menus/MenuItem.h"
#include "util/TextFile.h"

namespace quorlex {
namespace {

void Emit(const MenuNode& node, size_t level, std::vector<std::string>& lines) {
    const std::string indent(3 * (level + 1), ' ');
    const std::string anchor = MenuItemAnchor(node.text);
    if (node.children.empty()) {
        lines.push_back(indent + "<li class=\"li_nc\">" + anchor + "</li>");
        return;
    }
    lines.push_back(indent + "<li class=\"li_hc\">" + anchor + "<ul class=\"ul_ch\">");
    for (const auto& child : node.children)
        Emit(child, level + 1, lines);
    lines.push_back(indent + "</ul></li>");
}

} // namespace

std::string RenderMenuHtml(const MenuTree& tree) {
    std::vector<std::string> lines;
    for (const auto& node : tree)
        Emit(node, 0, lines);
    if (lines.size() < 2)
        return "<ul>\r\n</ul>\r\n";
    lines.front() = "<ul>";
    lines.back() = "</ul>";
    return JoinLines(lines);
}

std::string MenuClassText(const MenuTree& tree) { return tree.empty() ? std::string() : tree.front().text; }

} // namespace quorlex
