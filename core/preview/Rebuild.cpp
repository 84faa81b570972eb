#include "preview/Rebuild.h"

#include "preview/TableSubstitution.h"

namespace quorlex {

std::string RebuildPage(const TemplateWorkspace& ws) {
    TableSubstitution tables;
    tables.AddLayouts(ws).AddColors(ws).AddFonts(ws, FontDeclaration).AddImages(ws).AddMenus(ws, MissingMenuTree::Empty);
    std::string page = ws.templatePage;
    std::string scratch;
    tables.Apply(page, scratch);
    return page;
}

fs::path PreviewFile(const TemplateWorkspace& ws) { return ws.PackageFile(ws.settings.tempfile); }

} // namespace quorlex
