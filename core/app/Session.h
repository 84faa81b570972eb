#pragma once

#include "app/CustomizePages.h"
#include "app/ProgramFolders.h"
#include "app/ProjectFiles.h"
#include "app/PublishPage.h"
#include "app/SessionListener.h"
#include "app/WorkflowState.h"
#include "catalog/CatalogPage.h"
#include "output/FilesPage.h"
#include "pagebase/PageContext.h"
#include "preview/LivePreview.h"
#include "publish/SecretStore.h"
#include "undo/UndoController.h"
#include "workspace/TemplateWorkspace.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

namespace quorlex {

namespace fs = std::filesystem;
class Browsers;
class HelpViewer;
class Platform;
class Ui;

// One run of the program: the loaded package, the pages of the main window over it, the live
// preview, the undo steps and the moves between the workflow's pages.
class Session : public PageContext {
public:
    Session(Ui& ui, Platform& platform, Browsers& browsers);

    void SetListener(SessionListener* listener) { m_listener = listener; }
    // The help viewer window, set once by the gui.
    void SetHelpViewer(HelpViewer* viewer) { m_helpViewer = viewer; }

    // Main window set-up: a per-user data folder gets the shipped templates it lacks,
    // leftovers are removed, the catalog built, the welcome page shown. `splashStep` advances
    // the splash bar.
    void FormCreate(const ProgramFolders& folders, const std::function<void()>& splashStep = nullptr);
    // The same for a program folder that is read and written in place.
    void FormCreate(const fs::path& appFolder, const std::function<void()>& splashStep = nullptr);
    // The main window closes: the catalog file goes.
    void FormClose();

    // Loads the package of the catalog selection; nothing happens without a selection.
    void RecalculateTemplate();
    // A project file opened with the program: its template is selected and loaded, then the
    // project applied. False after a failure, which has been shown to the user.
    bool OpenProject(const fs::path& file);
    // "Open Project...": the open dialog, then OpenProject.
    void AskOpenProject();
    // An entry of the recent projects; one whose file has gone leaves the list.
    void OpenRecentProject(const fs::path& file);
    // The window's title: the caption, the current project's file name, and "*" while the
    // customization has unsaved changes.
    std::string WindowTitle() const;
    // Whether the customization changed since the template or a project was loaded or saved.
    bool HasUnsavedChanges() const;
    // Before work is dropped (exit, closing, another load): with unsaved changes the user is
    // asked to save them first. False when the user chose to stay (Cancel, or no file saved).
    bool ConfirmDiscard();
    // Rebuilds the page from the tables and brings the live preview up to date; a failure is
    // shown to the user. The toolbar's "Refresh" loads the page again whatever changed.
    void Rebuildtemplate() override { Rebuildtemplate(ViewUpdate::PatchWhenPossible); }
    void Rebuildtemplate(ViewUpdate how);
    // Opens the preview page in the desktop's web browser.
    void PreviewInIE();

    // Opens the help viewer on the page of a help topic number (the numbers are in
    // help/HelpTopics.h); a number without a page of its own opens "index.html".
    void HelpRequested(int topic) override;
    // Opens the help viewer on a page of the help folder by its file name ("menus2.html").
    void ShowHelpPage(const std::string& page) override;
    // The Help menu's links to the maker's web site.
    void OpenWebSite();
    void ContactUs();

    // Undo and redo of the last customization step, or the next: tables and menu files as
    // they were, the pages that show them refreshed, one rebuild, and the finished files
    // generated again when their page is open. Nothing while a step runs.
    void Undo();
    void Redo();
    bool CanUndo() const { return m_undo.CanUndo(); }
    bool CanRedo() const { return m_undo.CanRedo(); }
    const CustomizationHistory& history() const { return m_undo.history(); }
    void BeginStep(StepReach reach) override;
    void EndStep(const std::string& label) override;

    // A double-click on a site check finding: the color variable or menu item it names is
    // selected on its customization page, which comes to the front. Nothing for other findings.
    void ShowFinding(const SiteFinding& finding);

    // Entering "3) Get the Files" shows its first tab and generates.
    void WorkflowPageChanged(WorkflowPage page);
    void OutputPageChanged(int index);
    void CodeTabChanged(int index) { m_workflow.activeCodeTab = index; }
    void SubPageChanged(SubPage page);
    void SplitterMoved(int height);
    // A choice of the preview's device width control.
    void PreviewWidthChosen(DeviceWidth width);

    // The root of the templates and of every file the program writes.
    const fs::path& AppFolder() const { return m_appFolder; }
    // The root of the help pages and artwork.
    const fs::path& ProgramFolder() const { return m_programFolder; }
    CatalogPage& catalogPage() { return m_catalogPage; }
    const WorkflowState& workflow() const { return m_workflow; }
    // The loaded package, if any load has succeeded.
    const TemplateWorkspace* workspace() const override { return m_workspace ? &*m_workspace : nullptr; }
    TemplateWorkspace* workspace() override { return m_workspace ? &*m_workspace : nullptr; }
    // The loaded package's encoding, for files written for it; UTF-8 without a package.
    TextEncoding PackageEncoding() const { return m_workspace ? m_workspace->encoding : TextEncoding::Utf8; }
    ColorsPage& colorsPage() { return m_pages.colors; }
    FontsPage& fontsPage() { return m_pages.fonts; }
    LayoutsPage& layoutsPage() { return m_pages.layouts; }
    ImagesPage& imagesPage() { return m_pages.images; }
    MenusPage& menusPage() { return m_pages.menus; }
    PagesPage& pagesPage() { return m_pages.pages; }
    FilesPage& filesPage() { return m_filesPage; }
    ProjectFiles& projectFiles() { return m_projectFiles; }
    PublishPage& publishPage() { return m_publishPage; }
    // A run of the publish target on the finished site, or nothing (after a message, or when
    // the user declined the site check's question before a publish).
    std::optional<PublishJob> PreparePublish(const std::string& target, bool dryRun);
    Ui& ui() override { return m_ui; }
    Platform& platform() { return m_platform; }

private:
    void Notify(Aspect aspect);
    std::vector<std::string> TakenNames() const;
    void RemoveLeftovers();
    void OpenInBrowser(const std::string& url);
    void Restore(RestoredParts (UndoController::*direction)(TemplateWorkspace&));

    Ui& m_ui;
    Platform& m_platform;
    Browsers& m_browsers;
    SessionListener* m_listener = nullptr;
    HelpViewer* m_helpViewer = nullptr;
    fs::path m_appFolder;
    fs::path m_programFolder;
    CatalogPage m_catalogPage;
    WorkflowState m_workflow;
    std::optional<TemplateWorkspace> m_workspace;
    CustomizePages m_pages{*this, m_platform};
    FilesPage m_filesPage{*this, m_platform, [this] { Notify(Aspect::Output); }};
    DesktopSecretStore m_secrets;
    PublishPage m_publishPage{m_ui, m_secrets};
    LivePreview m_preview{m_browsers};
    UndoController m_undo;
    ProjectFiles m_projectFiles{*this, m_pages, m_preview, [this] { Notify(Aspect::Workspace); },
                                [this] {
                                    m_keptState = m_undo.history().State();
                                    Notify(Aspect::History);
                                }};
    std::uint64_t m_keptState = 0; // the undo state last loaded or saved
};

} // namespace quorlex
