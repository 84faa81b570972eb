#include "preview/Rebuild.h"

#include "preview/TableSubstitution.h"

namespace quorlex {

std::string RebuildPage(const TemplateWorkspace& ws) {
    std::string page = ws.templatePage;
    std::string scratch; // the tables take turns writing into it and swapping with the page
    ApplyLayouts(ws, page, scratch);
    ApplyColors(ws, page, scratch);
    ApplyFonts(ws, FontDeclaration, page, scratch);
    ApplyImages(ws, page, scratch);
    ApplyMenus(ws, MissingMenuTree::Empty, page, scratch);
    return page;
}

fs::path PreviewFile(const TemplateWorkspace& ws) { return ws.PackageFile(ws.settings.tempfile); }

} // namespace quorlex
