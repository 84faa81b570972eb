#pragma once

#include "undo/CustomizationState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace quorlex {

// What undoing or redoing a step put back.
struct RestoredParts {
    std::array<bool, kTableKindCount> tables{};
    bool menuFiles = false;
};

// The undo and redo steps of the loaded template: for each user action, what it changed in
// the tables and the menu files, before and after.
class CustomizationHistory {
public:
    static constexpr size_t kCapacity = 200;

    // Adds the step that led from `before` to `after`; a step that changed nothing adds
    // nothing. The steps that could be redone are dropped, and the oldest step beyond the
    // capacity.
    void Record(const std::string& label, const CustomizationState& before, const CustomizationState& after);
    void Clear();

    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_steps.size(); }
    // "Undo: " and the label of the step that would be undone, or "Undo" when there is none;
    // "Redo" likewise.
    std::string UndoCaption() const;
    std::string RedoCaption() const;
    size_t size() const { return m_steps.size(); }
    // A number for the customization as the steps have left it: the same after an undo and
    // redo back to it, another after any other step or a clear.
    std::uint64_t State() const;

    // Puts the tables and menu files back as they were before the last step, or after the
    // next one. The menu files are written first: when one cannot be written, Error says why,
    // the tables are untouched and the step stays where it was.
    RestoredParts Undo(TemplateWorkspace& ws);
    RestoredParts Redo(TemplateWorkspace& ws);

private:
    struct FileChange {
        fs::path file;
        std::optional<std::string> before; // nothing: there was no file
        std::optional<std::string> after;
    };
    struct Step {
        std::string label;
        std::array<bool, kTableKindCount> changed{};
        VariableTables before; // only the changed tables are filled
        VariableTables after;
        std::array<bool, kTableKindCount> visibleBefore{};
        std::array<bool, kTableKindCount> visibleAfter{};
        std::vector<FileChange> files;
        std::uint64_t state = 0; // the State() once this step is applied
    };

    static RestoredParts Apply(const Step& step, bool undo, TemplateWorkspace& ws);

    std::deque<Step> m_steps;
    size_t m_done = 0;              // steps currently applied; the next undo is m_steps[m_done - 1]
    std::uint64_t m_firstState = 0; // the State() with no step applied
    std::uint64_t m_nextState = 1;
};

} // namespace quorlex
