#pragma once

#include <filesystem>
#include <functional>

namespace quorlex {

namespace fs = std::filesystem;
class LivePreview;
class PageContext;
struct CustomizePages;

// "Save Project" and "Load Project": every customization of the loaded template in one file,
// written or applied as one undo step.
class ProjectFiles {
public:
    // `workspaceChanged` is told when a project changed the tables, `kept` when the
    // customization is the one in a project file (after a save or a load).
    ProjectFiles(PageContext& context, CustomizePages& pages, LivePreview& preview,
                 std::function<void()> workspaceChanged, std::function<void()> kept)
        : m_context(context), m_pages(pages), m_preview(preview), m_workspaceChanged(std::move(workspaceChanged)),
          m_kept(std::move(kept)) {}

    // The dialogs, then the file. Save returns whether a file was written.
    bool SaveProject();
    void LoadProject();
    // Writes the project of the loaded template, or applies one to it and rebuilds; false after
    // a failure, which has been shown to the user.
    bool SaveProjectTo(const fs::path& file);
    bool LoadProjectFrom(const fs::path& file);

private:
    bool Apply(const fs::path& file);

    PageContext& m_context;
    CustomizePages& m_pages;
    LivePreview& m_preview;
    std::function<void()> m_workspaceChanged;
    std::function<void()> m_kept;
};

} // namespace quorlex
