#pragma once

#include "app/ProgramFolders.h"
#include "app/SessionListener.h"
#include "app/WorkflowState.h"
#include "catalog/CatalogPage.h"
#include "customize/ColorsPage.h"
#include "customize/CustomizationHistory.h"
#include "customize/FontsPage.h"
#include "customize/ImagesPage.h"
#include "customize/LayoutsPage.h"
#include "customize/PageContext.h"
#include "customize/PresetStore.h"
#include "menus/MenusPage.h"
#include "output/Export.h"
#include "output/Generation.h"
#include "output/SiteCheck.h"
#include "workspace/TemplateWorkspace.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace quorlex {

namespace fs = std::filesystem;
class Browsers;
class HelpViewer;
class Platform;
class Ui;

// The state of one run of the program and the operations of its main window.
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
    // Rebuilds the page, writes the preview file and shows it; throws Error on failure.
    void Rebuildtemplate();
    // "Refresh": the rebuild, with a failure reported to the user.
    void Refresh() override;
    // The toolbar's "Refresh": the rebuild, and the page loaded again in the view.
    void RefreshPreview();

    // Writes the finished site into the output folder; failures are shown to the user.
    void GenerateTemplate();
    // The template check boxes: every change generates again.
    void SetTemplateOptions(const TemplateOptions& options);
    // Copies the output folder into `target`; the view's browser is hidden meanwhile and shows
    // the copied site's folder, then the target, afterwards. When the site check has something
    // to say, the user is asked first; "No" exports nothing.
    ExportOutcome ExportTemplate(const fs::path& target, ExportView& view);
    // Opens the preview page in the desktop's web browser.
    void PreviewInIE();
    // Opens the target folder in the file manager.
    void OpenInExplorer(const fs::path& target);
    // A key on a template check box: the space bar toggles it (and the click generates);
    // every other key generates again.
    void TemplateOptionKeyPressed(bool spaceBar);

    // Opens the help viewer on the page of a help topic number (the numbers are in
    // help/HelpTopics.h); a number without a page of its own opens "index.html".
    void HelpRequested(int topic) override;
    // Opens the help viewer on a page of the help folder by its file name ("menus2.html").
    void ShowHelpPage(const std::string& page) override;
    // The Help menu's links to the maker's web site.
    void OpenWebSite();
    void ContactUs();

    // "Save Project" and "Load Project": the dialogs, then the file.
    void SaveProject();
    void LoadProject();
    // Writes the project of the loaded template, or applies one to it, and rebuilds; false
    // after a failure, which has been shown to the user.
    bool SaveProjectTo(const fs::path& file);
    bool LoadProjectFrom(const fs::path& file);

    // Undo and redo of the last customization step, or the next: tables and menu files as
    // they were, the pages that show them refreshed, one rebuild, and the finished files
    // generated again when their page is open. Nothing while a step runs.
    void Undo();
    void Redo();
    bool CanUndo() const { return m_stepDepth == 0 && m_history.CanUndo(); }
    bool CanRedo() const { return m_stepDepth == 0 && m_history.CanRedo(); }
    const CustomizationHistory& history() const { return m_history; }
    void BeginStep(StepReach reach) override;
    void EndStep(const std::string& label) override;

    // Entering "3) Get the Files" shows its first tab and generates.
    void WorkflowPageChanged(int index);
    void OutputPageChanged(int index);
    void SubPageChanged(int index);
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
    ColorsPage& colorsPage() { return m_colorsPage; }
    FontsPage& fontsPage() { return m_fontsPage; }
    LayoutsPage& layoutsPage() { return m_layoutsPage; }
    ImagesPage& imagesPage() { return m_imagesPage; }
    MenusPage& menusPage() { return m_menusPage; }
    const TemplateOptions& templateOptions() const { return m_options; }
    const GenerationResult& generation() const { return m_generation; }
    SiteCheck& siteCheck() { return m_siteCheck; }
    Ui& ui() override { return m_ui; }
    Platform& platform() { return m_platform; }

private:
    void Notify(Aspect aspect);
    void RemoveLeftovers();
    // A new package: the customization pages start without selections.
    void ResetPages();
    void WritePreview(TemplateWorkspace& ws);
    void OpenInBrowser(const std::string& url);
    void Restore(RestoredParts (CustomizationHistory::*direction)(TemplateWorkspace&));
    void RefreshRestoredPages(const RestoredParts& parts);

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
    ColorsPage m_colorsPage{*this};
    FontsPage m_fontsPage{*this};
    LayoutsPage m_layoutsPage{*this};
    ImagesPage m_imagesPage{*this, m_platform};
    MenusPage m_menusPage{*this};
    std::string m_shownPage;      // the page the live preview shows
    std::string m_rebuildScratch; // kept between rebuilds so they reuse its memory
    SiteGenerator m_generator;
    TemplateOptions m_options;
    GenerationResult m_generation;
    SiteCheck m_siteCheck;
    CustomizationHistory m_history;
    int m_stepDepth = 0;
    std::optional<CustomizationState> m_stepBefore; // the state when the open step began
};

} // namespace quorlex
