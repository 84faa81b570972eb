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
    // `workspaceChanged` is told when a project changed the tables.
    ProjectFiles(PageContext& context, CustomizePages& pages, LivePreview& preview,
                 std::function<void()> workspaceChanged)
        : m_context(context), m_pages(pages), m_preview(preview), m_workspaceChanged(std::move(workspaceChanged)) {}

    // The dialogs, then the file.
    void SaveProject();
    void LoadProject();
    // Writes the project of the loaded template, or applies one to it and rebuilds; false after
    // a failure, which has been shown to the user.
    bool SaveProjectTo(const fs::path& file);
    bool LoadProjectFrom(const fs::path& file);

private:
    PageContext& m_context;
    CustomizePages& m_pages;
    LivePreview& m_preview;
    std::function<void()> m_workspaceChanged;
};

} // namespace quorlex
