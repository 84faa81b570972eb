#include "output/FilesPage.h"

#include "pagebase/PageContext.h"
#include "ports/Platform.h"
#include "ports/Ui.h"
#include "util/NativeNames.h"
#include "util/PathUtils.h"
#include "util/UserMessage.h"

namespace quorlex {

FilesPage::FilesPage(PageContext& context, Platform& platform, std::function<void()> outputChanged)
    : m_context(context), m_platform(platform), m_outputChanged(std::move(outputChanged)) {}

void FilesPage::GenerateTemplate() {
    const TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return;
    std::string failure;
    {
        UpdatesSuspended suspended(m_context.ui());
        try {
            m_generator.Generate(*ws, m_options, m_generation);
            m_siteCheck.Start(OutputFolder(*ws), *ws);
        } catch (const std::exception& error) {
            m_siteCheck.Clear();
            failure = UserMessage(error);
        }
        m_outputChanged();
    }
    for (const std::string& message :
         {m_generation.staticListFailure, RefusedFilesMessage(m_generation), NotCopiedMessage(m_generation), failure})
        if (!message.empty())
            m_context.ui().ShowError(message);
}

void FilesPage::SetTemplateOptions(const TemplateOptions& options) {
    m_options = options;
    GenerateTemplate();
}

void FilesPage::TemplateOptionKeyPressed(bool spaceBar) {
    if (!spaceBar)
        GenerateTemplate();
}

ExportOutcome FilesPage::ExportTemplate(const fs::path& target, ExportView& view) {
    const TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return ExportOutcome::Failed;
    Ui& ui = m_context.ui();
    if (TrimControls(target.string()).empty()) {
        ui.Inform("No target Folder Selected!");
        return ExportOutcome::NoTarget;
    }
    const auto question = m_siteCheck.ExportQuestion();
    if (question && ui.AskYesNo(*question) != Answer::Yes)
        return ExportOutcome::Declined;
    ExportOutcome outcome = ExportOutcome::Failed;
    view.SetBrowserVisible(false);
    try {
        outcome = ExportOutputFolder(OutputFolder(*ws), target, m_templatesFolder, m_platform, ui);
        view.ShowFolder(target / NativeNameFromPackageText(ws->settings.tempfolder));
    } catch (const std::exception& error) {
        ui.ShowError(UserMessage(error));
    }
    view.ShowFolder(target);
    view.SetBrowserVisible(true);
    return outcome;
}

void FilesPage::OpenInExplorer(const fs::path& target) {
    if (TrimControls(target.string()).empty()) {
        m_context.ui().Inform("No target Folder Selected!");
        return;
    }
    if (!m_platform.OpenWithDefaultHandler(target))
        m_context.ui().ShowError("Cannot open \"" + PathToProgramText(target) + "\" in the file manager.");
}

} // namespace quorlex
