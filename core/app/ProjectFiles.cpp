#include "app/ProjectFiles.h"

#include "app/CustomizePages.h"
#include "pagebase/CustomizationStep.h"
#include "pagebase/PageContext.h"
#include "ports/Ui.h"
#include "preview/LivePreview.h"
#include "project/ProjectLoad.h"
#include "project/ProjectSave.h"
#include "util/FileLists.h"
#include "util/NativeNames.h"
#include "util/TextFile.h"
#include "util/UserMessage.h"

#include <utility>

namespace quorlex {

namespace {

const std::vector<std::string> kProjectFilters{"Tamblor Project (*.tpp)", "All Files (*.*)"};

// The preset lists a project's tables may have changed the meaning of, read again.
void RelistPresets(TemplateWorkspace& ws) {
    for (TableKind kind : {TableKind::Colors, TableKind::Images, TableKind::Layouts})
        if (ws.TabVisible(kind))
            ws.Presets(kind) = ListFileTitles(ws.PresetFolder(kind), "*.xml");
}

} // namespace

bool ProjectFiles::SaveProject() {
    if (!m_context.workspace())
        return false;
    const auto file = m_context.ui().AskSaveFile({"Save All Settings (Project)", kProjectFilters, "", "tpp"});
    return file && SaveProjectTo(*file);
}

void ProjectFiles::LoadProject() {
    if (!m_context.workspace())
        return;
    const auto file = m_context.ui().AskOpenFile({"Load Saved Settings (Project)", kProjectFilters});
    if (file)
        LoadProjectFrom(*file);
}

bool ProjectFiles::SaveProjectTo(const fs::path& file) {
    const TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return false;
    Ui& ui = m_context.ui();
    Notices problems;
    try {
        const std::string project = BuildProject(*ws, problems);
        ShowErrors(ui, std::exchange(problems, {}));
        WriteFileAtomic(file, project);
        m_kept();
        return true;
    } catch (const std::exception& error) {
        ShowErrors(ui, problems);
        ui.ShowError(UserMessage(error));
        return false;
    }
}

bool ProjectFiles::LoadProjectFrom(const fs::path& file) {
    if (!Apply(file))
        return false;
    m_kept();
    return true;
}

// The load as one undo step, closed before the customization counts as kept.
bool ProjectFiles::Apply(const fs::path& file) {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return false;
    Ui& ui = m_context.ui();
    UpdatesSuspended suspended(ui);
    CustomizationStep step(m_context, "project " + PathToProgramText(file.filename()));
    ProjectChanges changes;
    try {
        changes = ReadProject(ReadFileBytes(file), *ws);
    } catch (const std::exception& error) {
        ui.ShowError(UserMessage(error));
        return false;
    }
    Notices problems;
    ApplyProject(changes, *ws, problems);
    ShowErrors(ui, problems);
    m_pages.Reset();
    try {
        RelistPresets(*ws);
        m_workspaceChanged();
        m_preview.Update(*ws);
    } catch (const std::exception& error) {
        ui.ShowError(UserMessage(error));
        return false;
    }
    return true;
}

} // namespace quorlex
