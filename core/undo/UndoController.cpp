#include "undo/UndoController.h"

namespace quorlex {

void UndoController::BeginStep(const TemplateWorkspace* ws, StepReach reach) {
    if (m_depth == 0 && ws)
        m_before = CustomizationState::Capture(*ws, reach);
    // An action inside one that kept to the tables has not changed a menu file yet.
    else if (m_before && ws && reach == StepReach::TablesAndMenuFiles && !m_before->menuFilesRead)
        m_before->ReadMenuFiles(*ws);
    ++m_depth;
}

bool UndoController::EndStep(const TemplateWorkspace* ws, const std::string& label) {
    if (--m_depth > 0)
        return false;
    const std::optional<CustomizationState> before = std::move(m_before);
    m_before.reset();
    if (!before || !ws)
        return false;
    try {
        const StepReach reach = before->menuFilesRead ? StepReach::TablesAndMenuFiles : StepReach::Tables;
        m_history.Record(label, *before, CustomizationState::Capture(*ws, reach));
    } catch (const std::exception&) {
        return false; // no memory for the step: the change stays, without its undo
    }
    return true;
}

} // namespace quorlex
