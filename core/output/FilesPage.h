#pragma once

#include "output/Export.h"
#include "output/Generation.h"
#include "output/SiteCheck.h"

#include <filesystem>
#include <functional>

namespace quorlex {

namespace fs = std::filesystem;
class PageContext;
class Platform;

// "3) Get the Files": the template options, the finished site generated into the output
// folder and checked, and its export into a folder of the user's.
class FilesPage {
public:
    // `outputChanged` is told after every generation, successful or not.
    FilesPage(PageContext& context, Platform& platform, std::function<void()> outputChanged);

    // The folder of the installed templates, which an export never goes into.
    void SetTemplatesFolder(const fs::path& folder) { m_templatesFolder = folder; }

    // Writes the finished site into the output folder; failures are shown to the user.
    void GenerateTemplate();
    // The template check boxes: every change generates again.
    void SetTemplateOptions(const TemplateOptions& options);
    // A key on a template check box: the space bar toggles it (and the click generates);
    // every other key generates again.
    void TemplateOptionKeyPressed(bool spaceBar);
    // Copies the output folder into `target`; the view's browser is hidden meanwhile and shows
    // the copied site's folder, then the target, afterwards. When the site check has something
    // to say, the user is asked first; "No" exports nothing.
    ExportOutcome ExportTemplate(const fs::path& target, ExportView& view);
    // Opens the target folder in the file manager.
    void OpenInExplorer(const fs::path& target);

    const TemplateOptions& templateOptions() const { return m_options; }
    const GenerationResult& generation() const { return m_generation; }
    SiteCheck& siteCheck() { return m_siteCheck; }

private:
    PageContext& m_context;
    Platform& m_platform;
    std::function<void()> m_outputChanged;
    fs::path m_templatesFolder;
    SiteGenerator m_generator;
    TemplateOptions m_options;
    GenerationResult m_generation;
    SiteCheck m_siteCheck;
};

} // namespace quorlex
