#include "preview/Rebuild.h"

#include "pages/PageRegions.h"
#include "preview/TableSubstitution.h"

#include <algorithm>

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
    if (!ws.site.OnePage())
        page = ComposePage(page, ws.site, std::min(ws.shownPage, ws.site.pages.size() - 1));
}

std::string BuildWorkingPage(const TemplateWorkspace& ws) {
    std::string page;
    std::string scratch;
    BuildWorkingPage(ws, page, scratch);
    return page;
}

fs::path PreviewFile(const TemplateWorkspace& ws) { return ws.PackageFile(ws.settings.tempfile); }

} // namespace quorlex
