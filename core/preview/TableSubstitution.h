#pragma once

#include "workspace/TemplateWorkspace.h"

#include <string>

namespace quorlex {

// Each function replaces the placeholders of one variable table in `text`, all rows in table
// order as one replace-all per row. `scratch` is a buffer the calls share to save allocations.

// Reads the chosen fragment of every row; throws Error when one cannot be read.
void ApplyLayouts(const TemplateWorkspace& ws, std::string& text, std::string& scratch);
void ApplyColors(const TemplateWorkspace& ws, std::string& text, std::string& scratch);

using FontDeclarationRule = std::string (*)(const FontVariable& font);
void ApplyFonts(const TemplateWorkspace& ws, FontDeclarationRule declare, std::string& text, std::string& scratch);

// Each image placeholder becomes folder + url.
void ApplyImages(const TemplateWorkspace& ws, std::string& text, std::string& scratch);

// How a menu tree file that cannot be opened is treated.
enum class MissingMenuTree { Empty, Fails };

// Each menu placeholder becomes the menu's list, then its class placeholder the class text.
void ApplyMenus(const TemplateWorkspace& ws, MissingMenuTree missing, std::string& text, std::string& scratch);

// Preview form: only the present fields, the decoration slot's ";" always written.
std::string FontDeclaration(const FontVariable& font);

// Finished-site form: all five declarations, also when a field is empty.
std::string FullFontDeclaration(const FontVariable& font);

} // namespace quorlex
