#pragma once

#include "app/ProgramFolders.h"
#include "app/SessionListener.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QSettings;
class QTabWidget;

namespace quorlex {

class CatalogView;
class CustomizeView;
class FilesView;
class HeaderCheckWindow;
class QtBrowsers;
class Session;
class Tabout;
class ThelpDialog;
class UpdateCheckWindow;

// The main window: the three workflow pages, the bottom bar and the menu bar over one session.
class MainWindow : public QMainWindow, public SessionListener {
    Q_OBJECT
public:
    MainWindow(
        Session& session, QtBrowsers& browsers, const QString& resourceFolder,
        const std::function<void()>& splashStep = [] {});

    // Runs the session's set-up for the program folder.
    void FormCreate(
        const ProgramFolders& folders, const std::function<void()>& splashStep = [] {});
    void Changed(Aspect aspect) override;

    QTabWidget* workflowPages() const { return m_pages; }
    CatalogView* catalogView() const { return m_catalog; }
    CustomizeView* customizeView() const { return m_customize; }
    FilesView* filesView() const { return m_files; }
    ThelpDialog* helpViewer() const { return m_helpViewer; }
    Tabout* aboutBox() const { return m_about; }
    UpdateCheckWindow* updateWindow() const { return m_updateWindow; }
    HeaderCheckWindow* headerWindow() const { return m_headerWindow; }
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* recentMenu() const { return m_recentMenu; }

    // What the window keeps between runs: its size, the customization area's height and the
    // recent projects.
    void RestoreSettings(const QSettings& settings);
    void SaveSettings(QSettings& settings) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The secondary windows, created once and reused for the whole run.
    void BuildWindows(const QString& resourceFolder, const std::function<void()>& splashStep);
    void BuildMenus();
    void BuildFileMenu();
    void ShowRecentProjects();
    void ShowTitle();
    QWidget* BuildBottomBar();
    void ShowWorkflow();
    void Exit();

    Session& m_session;
    QTabWidget* m_pages;
    CatalogView* m_catalog;
    CustomizeView* m_customize;
    FilesView* m_files;
    ThelpDialog* m_helpViewer;
    Tabout* m_about;
    UpdateCheckWindow* m_updateWindow;
    HeaderCheckWindow* m_headerWindow;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_recentMenu = nullptr;
    QAction* m_saveProject = nullptr;
    QAction* m_saveProjectAs = nullptr;
    bool m_applying = false;
    bool m_discardConfirmed = false; // Exit asked already; the close event does not ask again
};

} // namespace quorlex
