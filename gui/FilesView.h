#pragma once

#include <QWidget>

#include <functional>

class QComboBox;
class QFileSystemModel;
class QListView;
class QsciScintilla;
class QTabWidget;
class QTreeView;
class QWebEngineView;

namespace quorlex {

class Session;

// "3) Get the Files": export page with its folder browser, the template help page and the
// code views.
class FilesView : public QWidget {
    Q_OBJECT
public:
    FilesView(Session& session, const std::function<void()>& splashStep, QWidget* parent = nullptr);

    // A new package: code texts and the hover tab.
    void ShowWorkspace();
    // The code views after a rebuild.
    void ShowCode();
    QTabWidget* outputPages() const { return m_outputPages; }
    QTabWidget* codeTabs() const { return m_codeTabs; }
    QWebEngineView* helpBrowser() const { return m_help; }
    QsciScintilla* htmlEditor() const { return m_html; }
    QsciScintilla* cssEditor() const { return m_css; }

private:
    QWidget* BuildExportPage(const std::function<void()>& splashStep);
    QWidget* BuildCodePage(const std::function<void()>& splashStep);
    void BrowseTo(const QString& folder);

    Session& m_session;
    QTabWidget* m_outputPages;
    QTabWidget* m_codeTabs = nullptr;
    QWebEngineView* m_help;
    QsciScintilla* m_html = nullptr;
    QsciScintilla* m_css = nullptr;
    QsciScintilla* m_hover = nullptr;
    QComboBox* m_drives = nullptr;
    QTreeView* m_folders = nullptr;
    QListView* m_files = nullptr;
    QFileSystemModel* m_folderModel = nullptr;
    QFileSystemModel* m_fileModel = nullptr;
};

} // namespace quorlex
