#include "preview/TableSubstitution.h"

#include "menus/MenuHtml.h"
#include "menus/MenuTreeText.h"
#include "util/OrderedReplace.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"

#include <deque>

namespace quorlex {
namespace {

bool Present(const std::string& field) { return !TrimControls(field).empty(); }

// Replacement texts built for one table live here until the table is applied.
using TextStore = std::deque<std::string>;

MenuTree ReadMenu(const fs::path& file, MissingMenuTree missing) {
    MenuTree tree;
    if (missing == MissingMenuTree::Empty)
        ReadMenuTree(tree, file);
    else
        ParseMenuTree(tree, ReadFileBytes(file));
    return tree;
}

} // namespace

void ApplyLayouts(const TemplateWorkspace& ws, std::string& text, std::string& scratch) {
    TextStore fragments;
    std::vector<Replacement> rows;
    for (const auto& layout : ws.tables.layouts) {
        const fs::path file = ws.PackageFile(layout.folder + layout.choice + ".lyo");
        fragments.push_back(NormalizeLineEnds(ReadFileBytes(file)));
        rows.push_back({layout.var, fragments.back()});
    }
    ReplaceAllInOrder(text, rows, scratch);
}

void ApplyColors(const TemplateWorkspace& ws, std::string& text, std::string& scratch) {
    std::vector<Replacement> rows;
    for (const auto& color : ws.tables.colors)
        rows.push_back({color.var, color.value});
    ReplaceAllInOrder(text, rows, scratch);
}

void ApplyFonts(const TemplateWorkspace& ws, FontDeclarationRule declare, std::string& text, std::string& scratch) {
    TextStore declarations;
    std::vector<Replacement> rows;
    for (const auto& font : ws.tables.fonts) {
        declarations.push_back(declare(font));
        rows.push_back({font.var, declarations.back()});
    }
    ReplaceAllInOrder(text, rows, scratch);
}

void ApplyImages(const TemplateWorkspace& ws, std::string& text, std::string& scratch) {
    TextStore paths;
    std::vector<Replacement> rows;
    for (const auto& image : ws.tables.images) {
        paths.push_back(image.folder + image.url);
        rows.push_back({image.var, paths.back()});
    }
    ReplaceAllInOrder(text, rows, scratch);
}

void ApplyMenus(const TemplateWorkspace& ws, MissingMenuTree missing, std::string& text, std::string& scratch) {
    TextStore texts;
    std::vector<Replacement> rows;
    for (const auto& menu : ws.tables.menus) {
        const MenuTree tree = ReadMenu(ws.PackageFile(menu.folder + "menu.lyo"), missing);
        texts.push_back(RenderMenuHtml(tree));
        rows.push_back({menu.var, texts.back()});
        texts.push_back(MenuClassText(tree));
        rows.push_back({menu.menuClass, texts.back()});
    }
    ReplaceAllInOrder(text, rows, scratch);
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
    return "font-family:" + font.family + ";" + "font-size:" + font.size + font.measure + ";" + "font-weight:" +
           font.weight + ";" + "font-style:" + font.style + ";" + "text-decoration:" + font.decoration + ";";
}

} // namespace quorlex
