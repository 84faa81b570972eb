#include "FilesView.h"

#include "CodePage.h"
#include "ExportPage.h"
#include "GuardedCall.h"
#include "LocalContentPolicy.h"
#include "PublishPanel.h"
#include "SiteCheckPage.h"
#include "TextColorProbe.h"
#include "app/Session.h"

#include <QTabWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace quorlex {

FilesView::FilesView(Session& session, const std::function<void()>& splashStep, QWidget* parent)
    : QWidget(parent), m_session(session) {
    m_export = new ExportPage(session, splashStep);
    m_help = new QWebEngineView;
    RestrictToLocalContent(m_help);
    m_help->setObjectName(QStringLiteral("WebBrowser2"));
    m_code = new CodePage(session, splashStep);
    m_outputPages = new QTabWidget;
    m_outputPages->setObjectName(QStringLiteral("PageControl4"));
    m_outputPages->addTab(m_export, QStringLiteral("Export (Save) Template Files:"));
    m_outputPages->addTab(m_help, QStringLiteral("Template Help Info:"));
    m_outputPages->addTab(m_code, QStringLiteral("HTML/CSS Code:"));
    m_probe = new TextColorProbe(this);
    session.filesPage().siteCheck().SetProbe(m_probe);
    m_siteCheck = new SiteCheckPage(session.filesPage().siteCheck());
    connect(m_siteCheck, &SiteCheckPage::findingActivated, this,
            Guarded(session.ui(), [&session](const SiteFinding& finding) { session.ShowFinding(finding); }));
    m_outputPages->addTab(m_siteCheck, QStringLiteral("Check site"));
    m_publish = new PublishPanel(session);
    m_outputPages->addTab(m_publish, QStringLiteral("Publish"));
    connect(m_outputPages, &QTabWidget::currentChanged, this, Guarded(m_session.ui(), [this](int index) {
                if (!m_applying)
                    m_session.OutputPageChanged(index);
            }));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_outputPages);
}

FilesView::~FilesView() { m_session.filesPage().siteCheck().SetProbe(nullptr); }

void FilesView::ShowWorkspace() {
    m_code->ShowWorkspace();
    m_publish->ShowTargets();
}

void FilesView::ShowWorkflow() {
    m_applying = true;
    m_outputPages->setCurrentIndex(m_session.workflow().activeOutputTab);
    m_applying = false;
}

void FilesView::ShowGeneration() {
    m_export->ShowGeneration();
    m_code->ShowGeneration();
}

} // namespace quorlex
