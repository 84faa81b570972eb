#include "preview/LivePreview.h"

#include "preview/Rebuild.h"
#include "preview/StyleDiff.h"
#include "util/TextFile.h"

namespace quorlex {

namespace {

// The preview file holds the page in the package's encoding, as the finished page does.
void WritePreviewFile(const TemplateWorkspace& ws) {
    WriteFileAtomic(PreviewFile(ws), EncodeText(ws.workingPage, ws.encoding, Escapes::Markup), Durability::Remade);
}

} // namespace

void LivePreview::Write(TemplateWorkspace& ws) {
    BuildWorkingPage(ws, ws.workingPage, m_scratch);
    WritePreviewFile(ws);
}

void LivePreview::Show(const TemplateWorkspace& ws) {
    m_shownPage = ws.workingPage;
    m_browsers.ShowFile(BrowserId::LivePreview, PreviewFile(ws));
}

// The patch goes to the view before the file is written, so that the view works meanwhile;
// any other page is loaded again from the written file.
void LivePreview::Update(TemplateWorkspace& ws, ViewUpdate how) {
    if (how == ViewUpdate::Reload)
        m_shownPage.clear();
    BuildWorkingPage(ws, ws.workingPage, m_scratch);
    const auto patch = StyleOnlyChanges(m_shownPage, ws.workingPage);
    const bool patched = patch && m_browsers.PatchStyles(BrowserId::LivePreview, PreviewFile(ws), *patch);
    m_shownPage.clear(); // until the file is written, the view's page is not known for sure
    WritePreviewFile(ws);
    if (!patched)
        m_browsers.ShowFile(BrowserId::LivePreview, PreviewFile(ws));
    m_shownPage = ws.workingPage;
}

} // namespace quorlex
