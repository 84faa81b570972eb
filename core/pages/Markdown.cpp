#include "pages/Markdown.h"

#include "util/Error.h"

#include <md4c-html.h>

namespace quorlex {

namespace {

void Append(const MD_CHAR* text, MD_SIZE size, void* html) { static_cast<std::string*>(html)->append(text, size); }

} // namespace

std::string RenderMarkdown(std::string_view markdown) {
    std::string html;
    html.reserve(markdown.size() + markdown.size() / 4);
    if (md_html(markdown.data(), static_cast<MD_SIZE>(markdown.size()), Append, &html, MD_DIALECT_GITHUB, 0) != 0)
        throw Error("The Markdown text cannot be rendered.");
    return html;
}

} // namespace quorlex
