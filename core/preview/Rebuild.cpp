#include "preview/Rebuild.h"

#include "preview/TableSubstitution.h"

namespace quorlex {

void BuildWorkingPage(const TemplateWorkspace& ws, std::string& page, std::string& scratch) {
    TableSubstitution tables;
    tables.AddLayouts(ws)
        .AddColors(ws)
        .AddFonts(ws, FontDeclaration)
        .AddImages(ws)
        .AddMenus(ws, UnreadableMenu::ShownEmpty);
    page.assign(ws.templatePage);
    tables.Apply(page, scratch);
}

std::string BuildWorkingPage(const TemplateWorkspace& ws) {
    std::string page;
    std::string scratch;
    BuildWorkingPage(ws, page, scratch);
    return page;
}

fs::path PreviewFile(const TemplateWorkspace& ws) { return ws.PackageFile(ws.settings.tempfile); }

} // namespace quorlex
