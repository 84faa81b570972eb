#include "preview/TableSubstitution.h"

#include "menus/MenuHtml.h"
#include "menus/MenuTreeText.h"
#include "util/Error.h"
#include "util/PackageText.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"

namespace quorlex {
namespace {

bool Present(const std::string& field) { return !TrimControls(field).empty(); }

MenuTree ReadMenu(const fs::path& file, TextEncoding encoding, UnreadableMenu missing) {
    MenuTree tree;
    if (missing == UnreadableMenu::Fails) {
        ReadMenuTree(tree, file, encoding);
        return tree;
    }
    // A menu file that is missing or damaged shows as an empty menu; the Menus page says why
    // and its "default" mends it.
    try {
        if (const std::optional<std::string> bytes = ReadFileIfPresent(file))
            ParseMenuTree(tree, DecodeOwnText(*bytes, encoding));
    } catch (const Error&) {
        tree.clear();
    }
    return tree;
}

size_t CountItems(const MenuTree& tree) {
    size_t count = 0;
    for (const MenuNode& node : tree)
        count += 1 + CountItems(node.children);
    return count;
}

// The largest menu a page takes; beyond it the substitution would fail later with a message
// about the page, not the menu.
constexpr size_t kMaxMenuHtml = size_t{16} << 20;

std::string MenuHtmlOf(const MenuVariable& menu, const MenuTree& tree) {
    std::string html = RenderMenuHtml(tree);
    if (html.size() > kMaxMenuHtml)
        throw Error("The menu \"" + menu.title + "\" is too large: its " + std::to_string(CountItems(tree)) +
                    " items make " + std::to_string(html.size() >> 20) + " MB of page text, more than " +
                    std::to_string(kMaxMenuHtml >> 20) + " MB.");
    return html;
}

} // namespace

std::vector<Replacement>& TableSubstitution::NewTable() { return m_tables.emplace_back(); }

std::string_view TableSubstitution::Keep(std::string text) { return m_texts.emplace_back(std::move(text)); }

TableSubstitution& TableSubstitution::AddLayouts(const TemplateWorkspace& ws) {
    auto& rows = NewTable();
    for (const auto& layout : ws.tables.layouts) {
        const fs::path file = ws.PackageFile(layout.folder + layout.choice + ".lyo");
        rows.push_back({layout.var, Keep(ReadPackageText(file))});
    }
    return *this;
}

TableSubstitution& TableSubstitution::AddColors(const TemplateWorkspace& ws) {
    auto& rows = NewTable();
    for (const auto& color : ws.tables.colors)
        rows.push_back({color.var, color.value});
    return *this;
}

TableSubstitution& TableSubstitution::AddFonts(const TemplateWorkspace& ws, FontDeclarationRule declare) {
    auto& rows = NewTable();
    for (const auto& font : ws.tables.fonts)
        rows.push_back({font.var, Keep(declare(font))});
    return *this;
}

TableSubstitution& TableSubstitution::AddImages(const TemplateWorkspace& ws) {
    auto& rows = NewTable();
    for (const auto& image : ws.tables.images)
        rows.push_back({image.var, Keep(image.folder + image.url)});
    return *this;
}

TableSubstitution& TableSubstitution::AddMenus(const TemplateWorkspace& ws, UnreadableMenu missing) {
    auto& rows = NewTable();
    for (const auto& menu : ws.tables.menus) {
        const MenuTree tree = ReadMenu(ws.PackageFile(menu.folder + "menu.lyo"), ws.encoding, missing);
        rows.push_back({menu.var, Keep(MenuHtmlOf(menu, tree))});
        rows.push_back({menu.menuClass, Keep(MenuClassText(tree))});
    }
    return *this;
}

void TableSubstitution::Apply(std::string& text, std::string& scratch) const {
    // Values that repeat placeholders could double the text with every row.
    const size_t limit = 64 * text.size() + (size_t{64} << 20);
    for (const auto& rows : m_tables)
        ReplaceAllInOrder(text, rows, scratch, limit);
}

std::string FontDeclaration(const FontVariable& font) {
    std::string d;
    if (Present(font.family))
        d += "font-family:" + font.family + ";";
    if (Present(font.size))
        d += "font-size:" + font.size + font.measure + ";";
    if (Present(font.weight))
        d += "font-weight:" + font.weight + ";";
    if (Present(font.style))
        d += "font-style:" + font.style + ";";
    if (Present(font.decoration))
        d += "text-decoration:" + font.decoration;
    return d + ";";
}

std::string FullFontDeclaration(const FontVariable& font) {
    return "font-family:" + font.family + ";" + "font-size:" + font.size + font.measure + ";" +
           "font-weight:" + font.weight + ";" + "font-style:" + font.style + ";" +
           "text-decoration:" + font.decoration + ";";
}

} // namespace quorlex
