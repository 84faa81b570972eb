#pragma once

#include <string>

namespace quorlex {

class PageContext;

// One user action on a customization page, held open while it runs: whatever it changes in
// the tables and menu files becomes one undo step under its label. A step opened while
// another is open joins that one.
class CustomizationStep {
public:
    CustomizationStep(PageContext& context, std::string label);
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
