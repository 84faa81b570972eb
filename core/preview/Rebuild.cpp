#include "preview/Rebuild.h"

#include "pages/PageRegions.h"
#include "preview/TableSubstitution.h"

#include <algorithm>

namespace quorlex {

namespace {

// The page the preview shows, for the menus that mark the current page's item.
std::string_view ShownPageFile(const TemplateWorkspace& ws) {
    if (ws.site.OnePage())
        return {};
    return ws.site.pages[std::min(ws.shownPage, ws.site.pages.size() - 1)].file;
}

} // namespace

void BuildWorkingPage(const TemplateWorkspace& ws, std::string& page, std::string& scratch) {
    TableSubstitution tables;
    tables.AddLayouts(ws)
        .AddColors(ws)
        .AddFonts(ws, FontDeclaration)
        .AddImages(ws)
        .AddMenus(ws, UnreadableMenu::ShownEmpty, ShownPageFile(ws));
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
