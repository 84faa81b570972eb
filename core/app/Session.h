#pragma once

#include "app/SessionListener.h"
#include "app/WorkflowState.h"
#include "catalog/CatalogPage.h"
#include "workspace/TemplateWorkspace.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace quorlex {

namespace fs = std::filesystem;
class Browsers;
class Platform;
class Ui;

// The state of one run of the program and the operations of its main window.
class Session {
public:
    Session(Ui& ui, Platform& platform, Browsers& browsers);

    void SetListener(SessionListener* listener) { m_listener = listener; }

    // Main window set-up from the program folder on: leftovers removed, catalog built,
    // welcome page shown. `splashStep` advances the splash bar.
    void FormCreate(const fs::path& appFolder, const std::function<void()>& splashStep = nullptr);
    // The main window closes: the catalog file goes.
    void FormClose();

    // Loads the package of the catalog selection; nothing happens without a selection.
    void RecalculateTemplate();
    // Rebuilds the page, writes the preview file and shows it; throws Error on failure.
    void Rebuildtemplate();
    // "Refresh": the rebuild, with a failure reported to the user.
    void Refresh();

    void WorkflowPageChanged(int index);
    void SubPageChanged(int index);
    void SplitterMoved(int height);

    const fs::path& AppFolder() const { return m_appFolder; }
    CatalogPage& catalogPage() { return m_catalogPage; }
    const WorkflowState& workflow() const { return m_workflow; }
    // The loaded package, if any load has succeeded.
    const TemplateWorkspace* workspace() const { return m_workspace ? &*m_workspace : nullptr; }
    Ui& ui() { return m_ui; }
    Platform& platform() { return m_platform; }

private:
    void Notify(Aspect aspect);
    void RemoveLeftovers();
    void WritePreview(TemplateWorkspace& ws);

    Ui& m_ui;
    Platform& m_platform;
    Browsers& m_browsers;
    SessionListener* m_listener = nullptr;
    fs::path m_appFolder;
    CatalogPage m_catalogPage;
    WorkflowState m_workflow;
    std::optional<TemplateWorkspace> m_workspace;
};

} // namespace quorlex
