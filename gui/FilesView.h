#pragma once

#include <QWidget>
#include <functional>

class QTabWidget;
class QWebEngineView;

namespace quorlex {

class CodePage;
class ExportPage;
class PublishPanel;
class Session;
class SiteCheckPage;
class TextColorProbe;

// "3) Get the Files": the export page, the template help page, the code views, the site check
// and publishing.
class FilesView : public QWidget {
    Q_OBJECT
public:
    FilesView(Session& session, const std::function<void()>& splashStep, QWidget* parent = nullptr);
    ~FilesView() override;

    // A new package: the hover file and its tab.
    void ShowWorkspace();
    // The inner tab of the session's state.
    void ShowWorkflow();
    // The file list and code after a generation run.
    void ShowGeneration();

    QTabWidget* outputPages() const { return m_outputPages; }
    QWebEngineView* helpBrowser() const { return m_help; }
    ExportPage* exportPage() const { return m_export; }
    CodePage* codePage() const { return m_code; }
    SiteCheckPage* siteCheckPage() const { return m_siteCheck; }
    PublishPanel* publishPanel() const { return m_publish; }
    TextColorProbe* textColorProbe() const { return m_probe; }

private:
    Session& m_session;
    QTabWidget* m_outputPages;
    ExportPage* m_export;
    QWebEngineView* m_help;
    CodePage* m_code;
    SiteCheckPage* m_siteCheck;
    PublishPanel* m_publish;
    TextColorProbe* m_probe;
    bool m_applying = false;
};

} // namespace quorlex
