#pragma once

#include "undo/CustomizationState.h"

#include <string>

namespace quorlex {

class PageContext;

// One user action on a customization page, held open while it runs: whatever it changes in
// the tables and menu files becomes one undo step under its label. A step opened while
// another is open joins that one. An action that never writes a menu file says so, and its
// step does not read them.
class CustomizationStep {
public:
    CustomizationStep(PageContext& context, std::string label, StepReach reach = StepReach::TablesAndMenuFiles);
    ~CustomizationStep();
    CustomizationStep(const CustomizationStep&) = delete;
    CustomizationStep& operator=(const CustomizationStep&) = delete;

    // For a label known only once the action ran, such as a caption typed in a dialog.
    void SetLabel(std::string label) { m_label = std::move(label); }

private:
    PageContext& m_context;
    std::string m_label;
};

} // namespace quorlex
