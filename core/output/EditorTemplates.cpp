#include "output/EditorTemplates.h"

#include "util/TextSearch.h"

namespace quorlex {
namespace {

struct VariantTexts {
    const char* fileName;
    const char* titleBegin;
    const char* headBegin;
    const char* regionPrefix;
    const char* regionSuffix;
    const char* end;
};

const VariantTexts& TextsOf(TemplateVariant variant) {
    static const VariantTexts dreamweaver{"index_dw_mx.dwt",
                                          "<!-- TemplateBeginEditable name=\"doctitle\" -->",
                                          "<!-- TemplateBeginEditable name=\"head\" -->",
                                          "<!-- TemplateBeginEditable name=\"Region_",
                                          "\" -->",
                                          "<!-- TemplateEndEditable -->"};
    static const VariantTexts expression{"index_ms_ew.dwt",
                                         "<!-- #BeginEditable \"doctitle\" -->",
                                         "<!-- #BeginEditable \"head\" -->",
                                         "<!-- #BeginEditable \"Region_",
                                         "\" -->",
                                         "<!-- #EndEditable -->"};
    return variant == TemplateVariant::DreamweaverMx ? dreamweaver : expression;
}

void NumberRegions(std::string& page, const VariantTexts& texts) {
    size_t from = 0;
    for (int n = 1;; ++n) {
        const std::string begin = texts.regionPrefix + std::to_string(n) + texts.regionSuffix;
        from = ReplaceFirst(page, "<!--BEGIN_EDITABLE-->", begin, from);
        if (from == std::string::npos)
            return;
    }
}

} // namespace

const char* VariantFileName(TemplateVariant variant) { return TextsOf(variant).fileName; }

std::string EditorTemplate(std::string page, TemplateVariant variant) {
    const VariantTexts& texts = TextsOf(variant);
    ReplaceAll(page, "<!--BEGIN_EDITABLE_TITLE-->", texts.titleBegin);
    ReplaceAll(page, "<!--END_EDITABLE_TITLE-->", texts.end);
    ReplaceAll(page, "<!--BEGIN_EDITABLE_HEAD-->", texts.headBegin);
    ReplaceAll(page, "<!--END_EDITABLE_HEAD-->", texts.end);
    NumberRegions(page, texts);
    ReplaceAll(page, "<!--END_EDITABLE-->", texts.end);
    return page;
}

} // namespace quorlex
