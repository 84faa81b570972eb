#include "undo/CustomizationHistory.h"

#include "util/Error.h"
#include "util/TextFile.h"

namespace quorlex {

namespace {

constexpr TableKind kKinds[] = {TableKind::Colors, TableKind::Images, TableKind::Layouts, TableKind::Fonts,
                                TableKind::Menus};

// Calls `f` with the member of VariableTables that holds the table of `kind`.
template <typename F>
void WithTable(TableKind kind, F&& f) {
    switch (kind) {
    case TableKind::Colors: f(&VariableTables::colors); break;
    case TableKind::Images: f(&VariableTables::images); break;
    case TableKind::Layouts: f(&VariableTables::layouts); break;
    case TableKind::Fonts: f(&VariableTables::fonts); break;
    case TableKind::Menus: f(&VariableTables::menus); break;
    }
}

size_t IndexOf(TableKind kind) { return static_cast<size_t>(kind); }

void RestoreFile(const fs::path& file, const std::optional<std::string>& bytes) {
    if (bytes) {
        WriteFileAtomic(file, *bytes);
        return;
    }
    std::error_code ec;
    fs::remove(file, ec);
    if (ec)
        throw Error(FileErrorText(file, "delete", ec.value()));
}

} // namespace

void CustomizationHistory::Record(const std::string& label, const CustomizationState& before,
                                  const CustomizationState& after) {
    Step step;
    step.label = label;
    bool changed = false;
    for (TableKind kind : kKinds) {
        const size_t i = IndexOf(kind);
        WithTable(kind, [&](auto table) {
            if (before.tables.*table == after.tables.*table && before.tabVisible[i] == after.tabVisible[i])
                return;
            step.changed[i] = changed = true;
            step.before.*table = before.tables.*table;
            step.after.*table = after.tables.*table;
            step.visibleBefore[i] = before.tabVisible[i];
            step.visibleAfter[i] = after.tabVisible[i];
        });
    }
    for (const auto& [file, bytesAfter] : after.menuFiles) {
        const auto found = before.menuFiles.find(file);
        if (found != before.menuFiles.end() && found->second != bytesAfter)
            step.files.push_back({file, found->second, bytesAfter});
    }
    if (!changed && step.files.empty())
        return;
    step.state = m_nextState++;
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
    m_steps.push_back(std::move(step));
    if (m_steps.size() > kCapacity) {
        m_firstState = m_steps.front().state;
        m_steps.pop_front();
    }
    m_done = m_steps.size();
}

void CustomizationHistory::Clear() {
    m_steps.clear();
    m_done = 0;
    m_firstState = m_nextState++;
}

std::uint64_t CustomizationHistory::State() const { return m_done > 0 ? m_steps[m_done - 1].state : m_firstState; }

std::string CustomizationHistory::UndoCaption() const {
    return CanUndo() ? "Undo: " + m_steps[m_done - 1].label : "Undo";
}

std::string CustomizationHistory::RedoCaption() const { return CanRedo() ? "Redo: " + m_steps[m_done].label : "Redo"; }

RestoredParts CustomizationHistory::Undo(TemplateWorkspace& ws) {
    if (!CanUndo())
        return {};
    const RestoredParts parts = Apply(m_steps[m_done - 1], true, ws);
    --m_done;
    return parts;
}

RestoredParts CustomizationHistory::Redo(TemplateWorkspace& ws) {
    if (!CanRedo())
        return {};
    const RestoredParts parts = Apply(m_steps[m_done], false, ws);
    ++m_done;
    return parts;
}

RestoredParts CustomizationHistory::Apply(const Step& step, bool undo, TemplateWorkspace& ws) {
    RestoredParts parts;
    for (const FileChange& change : step.files)
        RestoreFile(change.file, undo ? change.before : change.after);
    parts.menuFiles = !step.files.empty();
    const VariableTables& tables = undo ? step.before : step.after;
    for (TableKind kind : kKinds) {
        const size_t i = IndexOf(kind);
        if (!step.changed[i])
            continue;
        WithTable(kind, [&](auto table) { ws.tables.*table = tables.*table; });
        ws.tabVisible[i] = undo ? step.visibleBefore[i] : step.visibleAfter[i];
        parts.tables[i] = true;
    }
    return parts;
}

} // namespace quorlex
