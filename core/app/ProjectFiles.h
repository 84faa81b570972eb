#pragma once

#include "app/RecentFiles.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace quorlex {

namespace fs = std::filesystem;
class LivePreview;
class PageContext;
struct CustomizePages;

// "Save Project" and "Load Project": every customization of the loaded template in one file,
// written or applied as one undo step. The file last saved or loaded is the current project,
// which "Save Project" of the File menu writes again without asking.
class ProjectFiles {
public:
    // `workspaceChanged` is told when a project changed the tables, `kept` when the
    // customization is the one in a project file (after a save or a load).
    ProjectFiles(PageContext& context, CustomizePages& pages, LivePreview& preview,
                 std::function<void()> workspaceChanged, std::function<void()> kept)
        : m_context(context), m_pages(pages), m_preview(preview), m_workspaceChanged(std::move(workspaceChanged)),
          m_kept(std::move(kept)) {}

    // The dialogs, then the file. Save returns whether a file was written; the dialog proposes
    // the current project.
    bool SaveProjectAs();
    void LoadProject();
    // The open dialog for a project file.
    std::optional<fs::path> AskProjectFile(const char* title) const;
    // Writes the current project; asks for a file when there is none yet.
    bool SaveProject();
    const std::optional<fs::path>& currentFile() const { return m_file; }
    // A new template was loaded: no project is current.
    void Forget() { m_file.reset(); }
    RecentFiles& recent() { return m_recent; }
    // Writes the project of the loaded template, or applies one to it and rebuilds; false after
    // a failure, which has been shown to the user.
    bool SaveProjectTo(const fs::path& file);
    bool LoadProjectFrom(const fs::path& file);

private:
    bool Apply(const fs::path& file);
    void Kept(const fs::path& file);

    PageContext& m_context;
    CustomizePages& m_pages;
    LivePreview& m_preview;
    std::function<void()> m_workspaceChanged;
    std::function<void()> m_kept;
    std::optional<fs::path> m_file;
    RecentFiles m_recent;
};

} // namespace quorlex
