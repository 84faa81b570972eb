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

bool ProjectFiles::SaveProjectAs() {
    if (!m_context.workspace())
        return false;
    const std::string proposed = m_file ? PathToProgramText(m_file->filename()) : std::string();
    const auto file = m_context.ui().AskSaveFile(
        {"Save All Settings (Project)", kProjectFilters, proposed, "tpp", FileKind::Project});
    return file && SaveProjectTo(*file);
}

bool ProjectFiles::SaveProject() { return m_file ? SaveProjectTo(*m_file) : SaveProjectAs(); }

std::optional<fs::path> ProjectFiles::AskProjectFile(const char* title) const {
    return m_context.ui().AskOpenFile({title, kProjectFilters, FileKind::Project});
}

void ProjectFiles::LoadProject() {
    if (!m_context.workspace())
        return;
    const auto file = AskProjectFile("Load Saved Settings (Project)");
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
        Kept(file);
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
    Kept(file);
    return true;
}

void ProjectFiles::Kept(const fs::path& file) {
    m_file = fs::absolute(file);
    m_recent.Add(file);
    m_kept();
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
        changes = ReadProjectFile(file, *ws);
    } catch (const std::exception& error) {
        ui.ShowError(UserMessage(error));
        return false;
    }
    // The menus page shows the last menu the project stored, with its tree.
    std::optional<size_t> lastMenu;
    for (size_t row = 0; row < changes.menus.size(); ++row)
        if (changes.menus[row])
            lastMenu = row;
    Notices problems;
    ApplyProject(changes, *ws, problems);
    ShowErrors(ui, problems);
    m_pages.Reset();
    m_pages.menus.onMenuSelected(lastMenu);
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
