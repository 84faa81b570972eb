#pragma once

#include "util/OrderedReplace.h"
#include "workspace/TemplateWorkspace.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

// How a menu tree file that cannot be opened is treated.
enum class UnreadableMenu { ShownEmpty, Fails };

using FontDeclarationRule = std::string (*)(const FontVariable& font);

// The replacement rows of the variable tables, built once and applied to any number of
// texts. Tables apply in the order they were added; each is one replace-all per row, in
// table order, so text inserted by a table is searched by the later ones.
class TableSubstitution {
public:
    // Reads the chosen fragment of every row; throws Error when one cannot be read.
    TableSubstitution& AddLayouts(const TemplateWorkspace& ws);
    // Each color placeholder becomes the row's value; its derived placeholders (shades, "r, g,
    // b", the translucent form) are replaced first, everywhere the row's own one is.
    TableSubstitution& AddColors(const TemplateWorkspace& ws);
    TableSubstitution& AddFonts(const TemplateWorkspace& ws, FontDeclarationRule declare);
    // Each image placeholder becomes folder + url.
    TableSubstitution& AddImages(const TemplateWorkspace& ws);
    // Each menu placeholder becomes the menu's list, then its class placeholder the class text.
    // The item linking to `currentPage` is marked in menus written with markup classes.
    TableSubstitution& AddMenus(const TemplateWorkspace& ws, UnreadableMenu missing, std::string_view currentPage = {});

    // `scratch` is a buffer the tables take turns writing into. Throws Error naming the
    // placeholder when the text would grow past 64 times its size plus 64 MB.
    void Apply(std::string& text, std::string& scratch) const;

private:
    std::vector<Replacement>& NewTable();
    std::string_view Keep(std::string text);

    std::deque<std::string> m_texts; // replacement texts the rows point into
    std::vector<std::vector<Replacement>> m_tables;
};

// Preview form: only the present fields, the decoration slot's ";" always written.
std::string FontDeclaration(const FontVariable& font);

// Finished-site form: all five declarations, also when a field is empty.
std::string FullFontDeclaration(const FontVariable& font);

} // namespace quorlex
