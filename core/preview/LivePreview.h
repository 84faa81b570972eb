#pragma once

#include "ports/Browsers.h"
#include "workspace/TemplateWorkspace.h"

#include <string>

namespace quorlex {

// How the view takes a rebuilt page.
enum class ViewUpdate {
    PatchWhenPossible, // a page that differs only in its stylesheets is patched in place
    Reload,            // the page is loaded again, whatever changed
};

// The live preview of the loaded package: the working page built from the tables, written to
// the preview file and brought into the view.
class LivePreview {
public:
    explicit LivePreview(Browsers& browsers) : m_browsers(browsers) {}

    // A package being loaded: its page is built and written, not shown yet. Throws Error.
    void Write(TemplateWorkspace& ws);
    // Shows the page written for a package that has been loaded.
    void Show(const TemplateWorkspace& ws);
    // Builds the page again and brings the view up to date; throws Error, leaving the view as
    // it was, when a fragment or menu file cannot be read.
    void Update(TemplateWorkspace& ws, ViewUpdate how = ViewUpdate::PatchWhenPossible);

private:
    Browsers& m_browsers;
    std::string m_shownPage; // the page the view shows; empty when not known for sure
    std::string m_scratch;   // kept between rebuilds so they reuse its memory
};

} // namespace quorlex
