#pragma once

#include <string>

namespace quorlex {

// The two editor-template forms of a finished page.
enum class TemplateVariant { DreamweaverMx, ExpressionWeb };

// The file name of a variant in the output folder.
const char* VariantFileName(TemplateVariant variant);

// The page with its editable-region marker comments turned into the variant's region
// comments; the numbered regions count 1, 2, 3 in page order.
std::string EditorTemplate(std::string page, TemplateVariant variant);

} // namespace quorlex
