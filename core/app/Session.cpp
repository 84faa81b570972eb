#include "app/Session.h"

#include "app/ShippedTemplates.h"
#include "app/Texts.h"
#include "customize/CustomizationStep.h"
#include "help/HelpTopics.h"
#include "help/WebSite.h"
#include "ports/Browsers.h"
#include "ports/HelpViewer.h"
#include "ports/Platform.h"
#include "ports/Ui.h"
#include "preview/Rebuild.h"
#include "preview/StylePatch.h"
#include "project/ProjectLoad.h"
#include "project/ProjectSave.h"
#include "util/Error.h"
#include "util/FileLists.h"
#include "util/NativeNames.h"
#include "util/UserMessage.h"
#include "util/PackagePath.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"
#include "workspace/WorkspaceLoader.h"

namespace quorlex {

Session::Session(Ui& ui, Platform& platform, Browsers& browsers)
    : m_ui(ui), m_platform(platform), m_browsers(browsers), m_catalogPage(browsers), m_generator(platform, ui) {}

void Session::Notify(Aspect aspect) {
    if (m_listener)
        m_listener->Changed(aspect);
}

void Session::RemoveLeftovers() {
    for (const char* name : {"temp.exe", "temp.tmp", kCatalogFileName}) {
        std::error_code ignored;
        fs::remove(m_appFolder / name, ignored);
    }
}

void Session::FormCreate(const fs::path& appFolder, const std::function<void()>& splashStep) {
    FormCreate(ProgramFolders::InPlace(appFolder), splashStep);
}

void Session::FormCreate(const ProgramFolders& folders, const std::function<void()>& splashStep) {
    auto step = [&] {
        if (splashStep)
            splashStep();
    };
    m_workflow = WorkflowState{};
    m_appFolder = folders.data();
    m_programFolder = folders.program();
    m_catalogPage.SetAppFolder(m_appFolder);
    if (folders.perUser()) {
        try {
            AddShippedTemplates(m_programFolder, m_appFolder);
        } catch (const std::exception& error) {
            m_ui.ShowError(UserMessage(error));
        }
    }
    step(); // size list filled
    step(); // weight list filled
    Notify(Aspect::Workflow);
    RemoveLeftovers();
    step();
    try {
        m_catalogPage.catalog().Reload_template_list(m_appFolder);
    } catch (const std::exception& error) {
        Notify(Aspect::Catalog);
        m_ui.ShowError(UserMessage(error));
        return;
    }
    Notify(Aspect::Catalog);
    const std::string damaged = m_catalogPage.catalog().DamagedEntriesMessage();
    if (!damaged.empty())
        m_ui.Inform(damaged);
    m_browsers.Navigate(BrowserId::CatalogInfo, "about:blank");
    m_catalogPage.ShowWelcome();
}

void Session::FormClose() {
    std::error_code ignored;
    fs::remove(m_appFolder / kCatalogFileName, ignored);
}

void Session::WritePreview(TemplateWorkspace& ws) {
    RebuildPage(ws, ws.workingPage, m_rebuildScratch);
    WriteFileAtomic(PreviewFile(ws), ws.workingPage, Durability::Remade);
}

void Session::RecalculateTemplate() {
    if (m_catalogPage.TemplateRoot().empty())
        return;
    UpdatesSuspended suspended(m_ui);
    // A new workspace replaces the old one only when the whole load succeeds, so a failed
    // load leaves the previous package usable.
    TemplateWorkspace ws;
    if (m_workspace)
        ws.settings = m_workspace->settings;
    try {
        ws.templateId = m_catalogPage.templateId();
        LoadPackage(ws, ResolvePackagePath(m_appFolder, m_catalogPage.TemplateRoot()), m_ui);
        LoadPackageExtras(ws);
        WritePreview(ws);
    } catch (const std::exception& error) {
        m_ui.ShowError(std::string(texts::kLoadFailed) + "\r\n" + UserMessage(error));
        return;
    }
    m_workspace = std::move(ws);
    m_history.Clear();
    ResetPages();
    m_workflow.ShowLoadedTemplate();
    m_workflow.hoverTabVisible = m_workspace->hoverFile.has_value();
    m_workflow.activeCodeTab = 0;
    m_workflow.caption = texts::kCaptionPrefix + m_catalogPage.templateTitle();
    Notify(Aspect::Workspace);
    Notify(Aspect::Workflow);
    Notify(Aspect::History);
    m_shownPage = m_workspace->workingPage;
    m_browsers.ShowFile(BrowserId::LivePreview, PreviewFile(*m_workspace));
    m_browsers.ShowFile(BrowserId::TemplateHelp, m_workspace->PackageFile("template_info.html"));
}

void Session::ResetPages() {
    m_colorsPage.Reset();
    m_fontsPage.Reset();
    m_layoutsPage.Reset();
    m_imagesPage.Reset();
    m_menusPage.Reset();
}

// A page that differs only in its stylesheets is patched in place, before the file is written so
// that the view works meanwhile; any other page is loaded again from the written file.
void Session::Rebuildtemplate() {
    if (!m_workspace)
        return;
    UpdatesSuspended suspended(m_ui);
    TemplateWorkspace& ws = *m_workspace;
    RebuildPage(ws, ws.workingPage, m_rebuildScratch);
    const auto patch = StyleOnlyChanges(m_shownPage, ws.workingPage);
    const bool patched = patch && m_browsers.PatchStyles(BrowserId::LivePreview, PreviewFile(ws), *patch);
    m_shownPage.clear(); // until the file is written, the view's page is not known for sure
    WriteFileAtomic(PreviewFile(ws), ws.workingPage, Durability::Remade);
    if (!patched)
        m_browsers.ShowFile(BrowserId::LivePreview, PreviewFile(ws));
    m_shownPage = ws.workingPage;
}

void Session::RefreshPreview() {
    m_shownPage.clear(); // loads the page again, whatever changed
    Refresh();
}

void Session::Refresh() {
    try {
        Rebuildtemplate();
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
    }
}

void Session::GenerateTemplate() {
    if (!m_workspace)
        return;
    std::string failure;
    {
        UpdatesSuspended suspended(m_ui);
        try {
            m_generator.Generate(*m_workspace, m_options, m_generation);
            m_siteCheck.Start(OutputFolder(*m_workspace), *m_workspace);
        } catch (const std::exception& error) {
            m_siteCheck.Clear();
            failure = UserMessage(error);
        }
        Notify(Aspect::Output);
    }
    for (const std::string& message : {RefusedFilesMessage(m_generation), NotCopiedMessage(m_generation), failure})
        if (!message.empty())
            m_ui.ShowError(message);
}

void Session::SetTemplateOptions(const TemplateOptions& options) {
    m_options = options;
    GenerateTemplate();
}

ExportOutcome Session::ExportTemplate(const fs::path& target, ExportView& view) {
    if (!m_workspace)
        return ExportOutcome::Failed;
    if (TrimControls(target.string()).empty()) {
        m_ui.Inform("No target Folder Selected!");
        return ExportOutcome::NoTarget;
    }
    const auto question = m_siteCheck.ExportQuestion();
    if (question && m_ui.AskYesNo(*question) != Answer::Yes)
        return ExportOutcome::Declined;
    ExportOutcome outcome = ExportOutcome::Failed;
    view.SetBrowserVisible(false);
    try {
        outcome = ExportOutputFolder(OutputFolder(*m_workspace), target, m_platform, m_ui);
        view.ShowFolder(target / NativeNameFromPackageText(m_workspace->settings.tempfolder));
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
    }
    view.ShowFolder(target);
    view.SetBrowserVisible(true);
    return outcome;
}

void Session::PreviewInIE() {
    if (!m_workspace)
        return;
    try {
        const fs::path page = PreviewFile(*m_workspace);
        if (!m_platform.OpenWithDefaultHandler(page))
            m_ui.ShowError("Cannot open \"" + PathToProgramText(page) + "\" in the web browser.");
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
    }
}

void Session::OpenInExplorer(const fs::path& target) {
    if (TrimControls(target.string()).empty()) {
        m_ui.Inform("No target Folder Selected!");
        return;
    }
    if (!m_platform.OpenWithDefaultHandler(target))
        m_ui.ShowError("Cannot open \"" + PathToProgramText(target) + "\" in the file manager.");
}

void Session::TemplateOptionKeyPressed(bool spaceBar) {
    if (!spaceBar)
        GenerateTemplate();
}

void Session::HelpRequested(int topic) { ShowHelpPage(HelpPageOf(topic)); }

void Session::ShowHelpPage(const std::string& page) {
    if (m_helpViewer)
        m_helpViewer->ShowHelpFile(HelpPagePath(m_programFolder, page));
}

void Session::OpenInBrowser(const std::string& url) {
    if (!m_platform.OpenUrl(url))
        m_ui.ShowError("Cannot open \"" + url + "\" in the web browser.");
}

void Session::OpenWebSite() { OpenInBrowser(WebSiteAddress("/")); }

void Session::ContactUs() { OpenInBrowser(WebSiteAddress("/contact.html")); }

namespace {

const std::vector<std::string> kProjectFilters{"Tamblor Project (*.tpp)", "All Files (*.*)"};

} // namespace

void Session::SaveProject() {
    if (!m_workspace)
        return;
    const auto file = m_ui.AskSaveFile({"Save All Settings (Project)", kProjectFilters, "", "tpp"});
    if (file)
        SaveProjectTo(*file);
}

void Session::LoadProject() {
    if (!m_workspace)
        return;
    const auto file = m_ui.AskOpenFile({"Load Saved Settings (Project)", kProjectFilters});
    if (file)
        LoadProjectFrom(*file);
}

bool Session::SaveProjectTo(const fs::path& file) {
    if (!m_workspace)
        return false;
    try {
        WriteFileAtomic(file, BuildProject(*m_workspace, m_ui));
        return true;
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
        return false;
    }
}

bool Session::LoadProjectFrom(const fs::path& file) {
    if (!m_workspace)
        return false;
    UpdatesSuspended suspended(m_ui);
    CustomizationStep step(*this, "project " + PathToProgramText(file.filename()));
    ProjectChanges changes;
    try {
        changes = ReadProject(ReadFileBytes(file), *m_workspace);
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
        return false;
    }
    ApplyProject(changes, *m_workspace, m_ui);
    ResetPages();
    try {
        for (TableKind kind : {TableKind::Colors, TableKind::Images, TableKind::Layouts})
            if (m_workspace->TabVisible(kind))
                m_workspace->Presets(kind) = ListFileTitles(m_workspace->PresetFolder(kind), "*.xml");
        Notify(Aspect::Workspace);
        Rebuildtemplate();
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
        return false;
    }
    return true;
}

void Session::BeginStep(StepReach reach) {
    if (m_stepDepth == 0 && m_workspace)
        m_stepBefore = CustomizationState::Capture(*m_workspace, reach);
    // An action inside one that kept to the tables has not changed a menu file yet.
    else if (m_stepBefore && reach == StepReach::TablesAndMenuFiles && !m_stepBefore->menuFilesRead)
        m_stepBefore->ReadMenuFiles(*m_workspace);
    ++m_stepDepth;
}

void Session::EndStep(const std::string& label) {
    if (--m_stepDepth > 0)
        return;
    const std::optional<CustomizationState> before = std::move(m_stepBefore);
    m_stepBefore.reset();
    if (!before || !m_workspace)
        return;
    try {
        const StepReach reach = before->menuFilesRead ? StepReach::TablesAndMenuFiles : StepReach::Tables;
        m_history.Record(label, *before, CustomizationState::Capture(*m_workspace, reach));
    } catch (const std::exception&) {
        return; // no memory for the step: the change stays, without its undo
    }
    Notify(Aspect::History);
}

void Session::Undo() {
    if (CanUndo())
        Restore(&CustomizationHistory::Undo);
}

void Session::Redo() {
    if (CanRedo())
        Restore(&CustomizationHistory::Redo);
}

void Session::Restore(RestoredParts (CustomizationHistory::*direction)(TemplateWorkspace&)) {
    if (!m_workspace)
        return;
    UpdatesSuspended suspended(m_ui);
    RestoredParts parts;
    try {
        parts = (m_history.*direction)(*m_workspace);
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
        return;
    }
    RefreshRestoredPages(parts);
    Notify(Aspect::Workspace);
    Notify(Aspect::History);
    Refresh();
    // The files page shows the finished files of the current values.
    if (m_workflow.activePage == WorkflowState::kFilesPage)
        GenerateTemplate();
}

// Each page showing a restored table shows its selected row again.
void Session::RefreshRestoredPages(const RestoredParts& parts) {
    const auto restored = [&](TableKind kind) { return parts.tables[static_cast<size_t>(kind)]; };
    if (restored(TableKind::Colors))
        m_colorsPage.TitleClicked(m_colorsPage.selected());
    if (restored(TableKind::Fonts) && m_fontsPage.selected())
        m_fontsPage.lvSelectItem(*m_fontsPage.selected());
    if (restored(TableKind::Layouts))
        m_layoutsPage.onLayoutSelected(m_layoutsPage.selected());
    if (restored(TableKind::Images))
        m_imagesPage.onImageSelected(m_imagesPage.selected());
    if (parts.menuFiles)
        m_menusPage.FilesRestored();
}

void Session::WorkflowPageChanged(int index) {
    m_workflow.activePage = index;
    if (index == WorkflowState::kFilesPage)
        m_workflow.activeOutputTab = 0;
    Notify(Aspect::Workflow);
    if (index == WorkflowState::kFilesPage)
        GenerateTemplate();
}

void Session::OutputPageChanged(int index) { m_workflow.activeOutputTab = index; }

void Session::SubPageChanged(int index) {
    m_workflow.SubPageChanged(index);
    Notify(Aspect::Workflow);
}

void Session::SplitterMoved(int height) { m_workflow.SplitterMoved(height); }

void Session::PreviewWidthChosen(DeviceWidth width) {
    if (width == m_workflow.previewWidth)
        return;
    m_workflow.previewWidth = width;
    Notify(Aspect::Workflow);
}

} // namespace quorlex
