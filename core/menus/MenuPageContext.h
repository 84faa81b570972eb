#pragma once

namespace quorlex {

class Ui;
struct TemplateWorkspace;

// What the Menus page needs from the session that owns it.
class MenuPageContext {
public:
    virtual ~MenuPageContext() = default;
    // The loaded package, or null.
    virtual TemplateWorkspace* workspace() = 0;
    virtual Ui& ui() = 0;
    // Rebuilds the preview; a failure is shown to the user.
    virtual void Refresh() = 0;
};

} // namespace quorlex
