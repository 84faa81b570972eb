#include "preview/TableSubstitution.h"

#include "menus/MenuHtml.h"
#include "menus/MenuTreeText.h"
#include "util/ColorShades.h"
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

std::string MenuHtmlOf(const MenuVariable& menu, const MenuTree& tree, std::string_view currentPage) {
    std::string html = RenderMenuHtml(tree, menu.markup, currentPage);
    if (html.size() > kMaxMenuHtml)
        throw Error("The menu \"" + menu.title + "\" is too large: its " + std::to_string(CountItems(tree)) +
                    " items make " + std::to_string(html.size() >> 20) + " MB of page text, more than " +
                    std::to_string(kMaxMenuHtml >> 20) + " MB.");
    return html;
}

struct ShadeTexts {
    std::string rgb, darker, lighter, alpha;
};

ShadeTexts ShadesOf(const CssColor& base, const ColorShades& shades) {
    constexpr double kStep = 10;
    constexpr double kOpacity = 0.5;
    CssColor translucent = base;
    translucent.alpha = ReadOpacity(shades.alphaValue).value_or(kOpacity);
    return {RgbTriplet(base), ShadeText(ShiftLightness(base, -ReadPercentage(shades.darkerBy).value_or(kStep))),
            ShadeText(ShiftLightness(base, ReadPercentage(shades.lighterBy).value_or(kStep))), ShadeText(translucent)};
}

// The shades follow the value; while it is no color they follow the row's declaration for that
// case (a color, or a text written in their place), else the value the row was loaded with.
ShadeTexts DerivedTexts(const ColorVariable& color) {
    const ColorShades& shades = color.shades;
    if (const std::optional<CssColor> value = ShadeableColor(color.value))
        return ShadesOf(*value, shades);
    const std::string& stated = shades.transparent.empty() ? shades.loadedValue : shades.transparent;
    if (const std::optional<CssColor> base = ShadeableColor(stated))
        return ShadesOf(*base, shades);
    const std::string& text = shades.transparent.empty() ? color.value : shades.transparent;
    return {text, text, text, text};
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
    // The derived placeholders first: they are mostly the row's own one with something added.
    for (const auto& color : ws.tables.colors) {
        if (!color.shades.Any())
            continue;
        const ShadeTexts texts = DerivedTexts(color);
        rows.push_back({color.shades.rgb, Keep(texts.rgb)});
        rows.push_back({color.shades.darker, Keep(texts.darker)});
        rows.push_back({color.shades.lighter, Keep(texts.lighter)});
        rows.push_back({color.shades.alpha, Keep(texts.alpha)});
    }
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

TableSubstitution& TableSubstitution::AddMenus(const TemplateWorkspace& ws, UnreadableMenu missing,
                                               std::string_view currentPage) {
    auto& rows = NewTable();
    for (const auto& menu : ws.tables.menus) {
        const MenuTree tree = ReadMenu(ws.PackageFile(menu.folder + "menu.lyo"), ws.encoding, missing);
        rows.push_back({menu.var, Keep(MenuHtmlOf(menu, tree, currentPage))});
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
