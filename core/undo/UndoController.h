#pragma once

#include "undo/CustomizationHistory.h"

#include <optional>
#include <string>

namespace quorlex {

// The undo steps of a run: a step is opened around each user action that may change the
// customization and recorded when the outermost one ends. Steps opened inside an open one
// join it; nothing is undone or redone while one is open.
class UndoController {
public:
    bool CanUndo() const { return m_depth == 0 && m_history.CanUndo(); }
    bool CanRedo() const { return m_depth == 0 && m_history.CanRedo(); }
    const CustomizationHistory& history() const { return m_history; }
    // A new package: no steps.
    void Clear() { m_history.Clear(); }

    // `ws` is null before the first load; such a step records nothing.
    void BeginStep(const TemplateWorkspace* ws, StepReach reach);
    // True when the outermost step ended and was recorded. Never throws: without memory for
    // the step the change stays, without its undo.
    bool EndStep(const TemplateWorkspace* ws, const std::string& label);

    // Puts the last step's state back, or the next one's; throws Error as the history does.
    RestoredParts Undo(TemplateWorkspace& ws) { return m_history.Undo(ws); }
    RestoredParts Redo(TemplateWorkspace& ws) { return m_history.Redo(ws); }

private:
    CustomizationHistory m_history;
    int m_depth = 0;
    std::optional<CustomizationState> m_before; // the state when the open step began
};

} // namespace quorlex
