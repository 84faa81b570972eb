#include "menus/MenuHtml.h"

#include "menus/MenuItem.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"

#include <initializer_list>

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

// The tag's attributes after its name: ` class="a b"` from the filled classes, then `extra`.
std::string Attributes(std::initializer_list<std::string_view> classes, std::string_view extra = {}) {
    std::string names;
    for (std::string_view name : classes) {
        name = TrimControls(name);
        if (!name.empty())
            names += (names.empty() ? "" : " ") + std::string(name);
    }
    std::string text = names.empty() ? "" : " class=\"" + names + "\"";
    extra = TrimControls(extra);
    if (!extra.empty())
        text += " " + std::string(extra);
    return text;
}

// The page a link leads to, without its "#..." or "?..." part and a leading "./".
std::string_view LinkedPage(std::string_view link) {
    link = link.substr(0, link.find_first_of("#?"));
    if (link.substr(0, 2) == "./")
        link.remove_prefix(2);
    return link;
}

class MarkupWriter {
public:
    MarkupWriter(const MenuMarkup& markup, std::string_view currentPage, std::vector<std::string>& lines)
        : m_markup(markup), m_currentPage(currentPage), m_lines(lines) {}

    void Emit(const MenuNode& node, size_t level) {
        const MenuItemFields fields = SplitMenuItem(node.text);
        const std::string link(TrimControls(fields.link));
        const bool parent = !node.children.empty();
        const bool current = !m_currentPage.empty() && !link.empty() && LinkedPage(link) == m_currentPage;
        const bool top = level == 0;
        const std::string indent(3 * (level + 2), ' ');
        const std::string item =
            "<li" +
            Attributes({top ? m_markup.itemClass : m_markup.subitemClass, parent ? m_markup.parentClass : "",
                        current ? m_markup.currentClass : ""}) +
            ">";
        const std::string anchor = Anchor(fields, link, parent, current, top);
        if (!parent) {
            m_lines.push_back(indent + item + anchor + "</li>");
            return;
        }
        m_lines.push_back(indent + item + anchor + SublistOpening());
        for (const MenuNode& child : node.children)
            Emit(child, level + 1);
        m_lines.push_back(indent + SublistClosing() + "</li>");
    }

private:
    std::string Anchor(const MenuItemFields& fields, const std::string& link, bool parent, bool current,
                       bool top) const {
        const std::string target(TrimControls(fields.target));
        std::string extra = link.empty() || target.empty() ? "" : "target=\"" + target + "\"";
        for (std::string_view more : {current ? std::string_view("aria-current=\"page\"") : std::string_view(),
                                      parent ? std::string_view(m_markup.parentLinkAttribute) : std::string_view()}) {
            more = TrimControls(more);
            if (!more.empty())
                extra += (extra.empty() ? "" : " ") + std::string(more);
        }
        const std::string classes =
            Attributes({top ? m_markup.linkClass : m_markup.sublinkClass, parent ? m_markup.parentLinkClass : "",
                        current ? m_markup.currentLinkClass : ""});
        return "<a" + classes + " href=\"" + (link.empty() ? "#" : link) + "\"" + (extra.empty() ? "" : " " + extra) +
               ">" + std::string(TrimControls(fields.caption)) + "</a>";
    }

    std::string SublistOpening() const {
        std::string list = "<ul" + Attributes({m_markup.sublistClass}) + ">";
        if (TrimControls(m_markup.sublistWrapper).empty())
            return list;
        return "<div" + Attributes({m_markup.sublistWrapper}) + ">" + list;
    }

    std::string SublistClosing() const {
        return TrimControls(m_markup.sublistWrapper).empty() ? "</ul>" : "</ul></div>";
    }

    const MenuMarkup& m_markup;
    std::string_view m_currentPage;
    std::vector<std::string>& m_lines;
};

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

std::string RenderMenuHtml(const MenuTree& tree, const MenuMarkup& markup, std::string_view currentPage) {
    if (!markup.Any())
        return RenderMenuHtml(tree);
    std::vector<std::string> lines{"<ul" + Attributes({markup.listClass}, markup.listAttribute) + ">"};
    MarkupWriter writer(markup, currentPage, lines);
    if (!tree.empty())
        for (const MenuNode& item : tree.front().children)
            writer.Emit(item, 0);
    for (size_t i = 1; i < tree.size(); ++i)
        writer.Emit(tree[i], 0);
    lines.emplace_back("</ul>");
    return JoinLines(lines);
}

std::string MenuClassText(const MenuTree& tree) { return tree.empty() ? std::string() : tree.front().text; }

} // namespace quorlex
