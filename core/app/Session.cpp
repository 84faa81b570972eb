#include "app/Session.h"

#include "app/ShippedTemplates.h"
#include "app/Texts.h"
#include "help/HelpTopics.h"
#include "help/WebSite.h"
#include "pages/SiteFile.h"
#include "ports/Browsers.h"
#include "ports/HelpViewer.h"
#include "ports/Platform.h"
#include "ports/Ui.h"
#include "preview/Rebuild.h"
#include "project/ProjectFormat.h"
#include "util/NativeNames.h"
#include "util/PackagePath.h"
#include "util/TextFile.h"
#include "util/UserMessage.h"
#include "workspace/WorkspaceLoader.h"

#include <algorithm>

namespace quorlex {

Session::Session(Ui& ui, Platform& platform, Browsers& browsers)
    : m_ui(ui), m_platform(platform), m_browsers(browsers), m_catalogPage(browsers) {
    m_pages.pages.SetTakenNames([this] { return TakenNames(); });
}

// The files of the finished site that are not the user's pages, as generated last, and the
// stylesheets.
std::vector<std::string> Session::TakenNames() const {
    std::vector<std::string> taken;
    if (!m_workspace)
        return taken;
    const auto isPage = [&](const std::string& name) {
        return std::any_of(m_workspace->site.pages.begin() + (m_workspace->site.pages.empty() ? 0 : 1),
                           m_workspace->site.pages.end(), [&](const SitePage& page) { return page.file == name; });
    };
    for (const std::string& file : m_filesPage.generation().files)
        if (!isPage(file))
            taken.push_back(file);
    for (const StyleSheetEntry& sheet : m_workspace->stylesheets)
        taken.push_back(sheet.folder + sheet.filename);
    taken.push_back(m_workspace->settings.tempfile);
    return taken;
}

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
    m_filesPage.SetTemplatesFolder(m_appFolder / "templates");
    m_publishPage.SetFolder(m_appFolder / "publish");
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

void Session::RecalculateTemplate() {
    if (m_catalogPage.TemplateRoot().empty() || !ConfirmDiscard())
        return;
    UpdatesSuspended suspended(m_ui);
    // A new workspace replaces the old one only when the whole load succeeds, so a failed
    // load leaves the previous package usable.
    TemplateWorkspace ws;
    if (m_workspace)
        ws.settings = m_workspace->settings;
    Notices notices;
    try {
        ws.templateId = m_catalogPage.templateId();
        // The templates folder is the root a package must stay in, also when it is a link.
        LoadPackage(ws, ResolvePackagePath(m_appFolder / "templates", m_catalogPage.templateId()), notices);
        LoadPackageExtras(ws);
        LoadSite(ws, notices);
        m_preview.Write(ws);
    } catch (const std::exception& error) {
        ShowInformation(m_ui, notices);
        m_ui.ShowError(std::string(texts::kLoadFailed) + "\r\n" + UserMessage(error));
        return;
    }
    ShowInformation(m_ui, notices);
    m_workspace = std::move(ws);
    m_projectFiles.Forget();
    m_undo.Clear();
    m_keptState = m_undo.history().State();
    m_pages.Reset();
    m_workflow.ShowLoadedTemplate();
    m_workflow.hoverTabVisible = m_workspace->hoverFile.has_value();
    m_workflow.activeCodeTab = 0;
    m_workflow.caption = texts::kCaptionPrefix + m_catalogPage.templateTitle();
    Notify(Aspect::Workspace);
    Notify(Aspect::Workflow);
    Notify(Aspect::History);
    m_preview.Show(*m_workspace);
    m_browsers.ShowFile(BrowserId::TemplateHelp, m_workspace->PackageFile("template_info.html"));
}

bool Session::OpenProject(const fs::path& file) {
    std::string templateId;
    try {
        const std::vector<std::string> lines = SplitLines(ReadFileBytes(file));
        // The package, and so its encoding, is not known yet: UTF-8 when the line is valid UTF-8.
        templateId = lines.empty() ? std::string() : DecodeOwnText(lines.front(), TextEncoding::Utf8);
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
        return false;
    }
    const auto& rows = m_catalogPage.rows();
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const TemplateEntry& e) { return e.folder == templateId; });
    if (row == rows.end()) {
        m_ui.ShowError(project::kOtherTemplate + templateId);
        return false;
    }
    m_catalogPage.ListView1SelectItem(static_cast<size_t>(row - rows.begin()), true);
    Notify(Aspect::Catalog);
    RecalculateTemplate();
    if (!m_workspace || m_workspace->templateId != templateId)
        return false;
    return m_projectFiles.LoadProjectFrom(file);
}

void Session::AskOpenProject() {
    if (const auto file = m_projectFiles.AskProjectFile("Open Project"))
        OpenProject(*file);
}

void Session::OpenRecentProject(const fs::path& file) {
    std::error_code ec;
    if (!OpenProject(file) && !fs::exists(file, ec))
        m_projectFiles.recent().Remove(file);
}

std::string Session::WindowTitle() const {
    std::string title = m_workflow.caption;
    if (m_workspace && m_projectFiles.currentFile())
        title += " - " + PathToProgramText(m_projectFiles.currentFile()->filename());
    if (HasUnsavedChanges())
        title += " *";
    return title;
}

bool Session::HasUnsavedChanges() const { return m_workspace && m_undo.history().State() != m_keptState; }

bool Session::ConfirmDiscard() {
    if (!HasUnsavedChanges())
        return true;
    switch (m_ui.Confirm(texts::kSaveFirst)) {
    case Answer::Yes: return m_projectFiles.SaveProject();
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

void Session::Rebuildtemplate(ViewUpdate how) {
    if (!m_workspace)
        return;
    try {
        UpdatesSuspended suspended(m_ui);
        m_preview.Update(*m_workspace, how);
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
    }
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

void Session::BeginStep(StepReach reach) { m_undo.BeginStep(workspace(), reach); }

void Session::EndStep(const std::string& label) {
    if (m_undo.EndStep(workspace(), label))
        Notify(Aspect::History);
}

void Session::Undo() {
    if (CanUndo())
        Restore(&UndoController::Undo);
}

void Session::Redo() {
    if (CanRedo())
        Restore(&UndoController::Redo);
}

void Session::Restore(RestoredParts (UndoController::*direction)(TemplateWorkspace&)) {
    if (!m_workspace)
        return;
    UpdatesSuspended suspended(m_ui);
    RestoredParts parts;
    try {
        parts = (m_undo.*direction)(*m_workspace);
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
        return;
    }
    m_pages.ShowRestored(parts);
    Notify(Aspect::Workspace);
    Notify(Aspect::History);
    Rebuildtemplate();
    // The files page shows the finished files of the current values.
    if (m_workflow.activePage == WorkflowPage::Files)
        m_filesPage.GenerateTemplate();
}

void Session::ShowFinding(const SiteFinding& finding) {
    if (!m_workspace)
        return;
    SubPage page = SubPage::Colors;
    if (finding.colorRow) {
        m_pages.colors.TitleClicked(*finding.colorRow);
    } else if (finding.menuRow) {
        m_pages.menus.onMenuSelected(*finding.menuRow);
        m_pages.menus.SelectNode(finding.menuNode);
        page = SubPage::Menus;
    } else {
        return;
    }
    m_workflow.activePage = WorkflowPage::Customize;
    m_workflow.SubPageChanged(page);
    Notify(Aspect::Workspace);
    Notify(Aspect::Workflow);
}

void Session::WorkflowPageChanged(WorkflowPage page) {
    m_workflow.activePage = page;
    if (page == WorkflowPage::Files)
        m_workflow.activeOutputTab = 0;
    Notify(Aspect::Workflow);
    if (page == WorkflowPage::Files)
        m_filesPage.GenerateTemplate();
}

std::optional<PublishJob> Session::PreparePublish(const std::string& target, bool dryRun) {
    if (!m_workspace)
        return std::nullopt;
    try {
        return m_publishPage.Prepare(target, OutputFolder(*m_workspace), dryRun,
                                     m_filesPage.siteCheck().ExportQuestion());
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
        return std::nullopt;
    }
}

void Session::OutputPageChanged(int index) { m_workflow.activeOutputTab = index; }

void Session::SubPageChanged(SubPage page) {
    m_workflow.SubPageChanged(page);
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
