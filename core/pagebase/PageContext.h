#pragma once

#include "undo/CustomizationState.h"

#include <string>

namespace quorlex {

struct TemplateWorkspace;
class Ui;

// What a customization page needs from the session that owns it.
class PageContext {
public:
    virtual ~PageContext() = default;
    // The loaded package, or nullptr before the first load.
    virtual TemplateWorkspace* workspace() = 0;
    virtual const TemplateWorkspace* workspace() const = 0;
    virtual Ui& ui() = 0;
    // Rebuilds the page from the tables and brings the live preview up to date, reporting a
    // failure to the user.
    virtual void Rebuildtemplate() = 0;
    // Opens the help viewer on the page of a help topic number (help/HelpTopics.h).
    virtual void HelpRequested(int topic) = 0;
    // Opens the help viewer on a page of the help folder by its file name.
    virtual void ShowHelpPage(const std::string& page) = 0;
    // Around one user action that may change the customization (see CustomizationStep);
    // EndStep must not throw.
    virtual void BeginStep(StepReach reach) = 0;
    virtual void EndStep(const std::string& label) = 0;
};

} // namespace quorlex
