#include "MainWindow.h"

#include "CatalogView.h"
#include "CustomizeView.h"
#include "FilesView.h"
#include "GuardedCall.h"
#include "HeaderCheckWindow.h"
#include "PreviewBrowser.h"
#include "QtBrowsers.h"
#include "QtHttpClient.h"
#include "QtText.h"
#include "Tabout.h"
#include "ThelpDialog.h"
#include "UpdateCheckWindow.h"
#include "app/Session.h"
#include "app/Texts.h"
#include "app/HelpInFront.h"
#include "help/HelpTopics.h"
#include "help/WebSite.h"
#include "ports/Ui.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QSettings>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorlex {

MainWindow::MainWindow(Session& session, QtBrowsers& browsers, const QString& resourceFolder,
                       const std::function<void()>& splashStep)
    : m_session(session) {
    setWindowTitle(QString::fromLatin1(texts::kAppTitle));
    resize(886, 715);
    m_catalog = new CatalogView(session, resourceFolder);
    m_customize = new CustomizeView(session);
    m_files = new FilesView(session, splashStep);
    BuildWindows(resourceFolder, splashStep);
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(m_catalog, QStringLiteral("1) Select Template"));
    m_pages->addTab(m_customize, QStringLiteral("2) Customize"));
    m_pages->addTab(m_files, QStringLiteral("3) Get the Files"));
    connect(m_pages, &QTabWidget::currentChanged, this, Guarded(m_session.ui(), [this](int index) {
                if (!m_applying)
                    m_session.WorkflowPageChanged(static_cast<WorkflowPage>(index));
            }));
    browsers.Attach(BrowserId::CatalogInfo, m_catalog->infoBrowser());
    browsers.Attach(BrowserId::LivePreview, m_customize->preview());
    browsers.Attach(BrowserId::TemplateHelp, m_files->helpBrowser());

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pages, 1);
    layout->addWidget(BuildBottomBar());
    setCentralWidget(central);
    BuildMenus();
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setObjectName(QStringLiteral("HelpInFront"));
    connect(help, &QShortcut::activated, this, Guarded(m_session.ui(), [this] {
                m_session.HelpRequested(HelpTopicInFront(m_session.workflow()));
            }));
    session.SetListener(this);
    ShowWorkflow();
}

void MainWindow::FormCreate(const ProgramFolders& folders, const std::function<void()>& splashStep) {
    m_session.FormCreate(folders, splashStep);
}

void MainWindow::BuildWindows(const QString& resourceFolder, const std::function<void()>& splashStep) {
    m_about = new Tabout(resourceFolder, this);
    m_helpViewer = new ThelpDialog(this);
    m_session.SetHelpViewer(m_helpViewer);
    splashStep();
    m_updateWindow = new UpdateCheckWindow(m_session, *new QtHttpClient(this), *m_helpViewer, this);
    splashStep();
    m_headerWindow = new HeaderCheckWindow(*new QtHttpClient(this), m_session.ui(), this);
}

void MainWindow::BuildFileMenu() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("FileMenu"));
    QAction* open = m_fileMenu->addAction(QStringLiteral("&Open Project..."));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, Guarded(m_session.ui(), [this] { m_session.AskOpenProject(); }));
    m_saveProject = m_fileMenu->addAction(QStringLiteral("&Save Project"));
    m_saveProject->setShortcut(QKeySequence::Save);
    connect(m_saveProject, &QAction::triggered, this,
            Guarded(m_session.ui(), [this] { m_session.projectFiles().SaveProject(); }));
    m_saveProjectAs = m_fileMenu->addAction(QStringLiteral("Save Project &As..."));
    m_saveProjectAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(m_saveProjectAs, &QAction::triggered, this,
            Guarded(m_session.ui(), [this] { m_session.projectFiles().SaveProjectAs(); }));
    m_recentMenu = m_fileMenu->addMenu(QStringLiteral("&Recent Projects"));
    m_recentMenu->setObjectName(QStringLiteral("RecentProjects"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::ShowRecentProjects);
    m_fileMenu->addSeparator();
    connect(m_fileMenu->addAction(QStringLiteral("Check for updates")), &QAction::triggered, m_updateWindow,
            &QWidget::show);
    m_fileMenu->addSeparator();
    connect(m_fileMenu->addAction(QStringLiteral("E&xit")), &QAction::triggered, this, &MainWindow::Exit);
}

// The entries are made when the menu opens, so they follow every save and load.
void MainWindow::ShowRecentProjects() {
    m_recentMenu->clear();
    const std::vector<std::filesystem::path>& files = m_session.projectFiles().recent().files();
    for (size_t i = 0; i < files.size(); ++i) {
        const std::filesystem::path project = files[i];
        QAction* entry = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(PathToQt(project.filename())));
        entry->setToolTip(PathToQt(project));
        connect(entry, &QAction::triggered, this, [this, project] {
            GuardedCall(m_session.ui(), [&] { m_session.OpenRecentProject(project); });
        });
    }
    if (files.empty())
        m_recentMenu->addAction(QStringLiteral("(no projects yet)"))->setEnabled(false);
}

void MainWindow::BuildMenus() {
    BuildFileMenu();
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    edit->addAction(m_customize->undoAction());
    edit->addAction(m_customize->redoAction());
    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    connect(tools->addAction(QStringLiteral("Get file headers (check MIME type)")), &QAction::triggered, m_headerWindow,
            &QWidget::show);
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    connect(help->addAction(QStringLiteral("Overview")), &QAction::triggered, this,
            Guarded(m_session.ui(), [this] { m_session.HelpRequested(helptopic::kOverview); }));
    connect(help->addAction(QStringLiteral("Contact Us")), &QAction::triggered, this,
            Guarded(m_session.ui(), [this] { m_session.ContactUs(); }));
    connect(help->addAction(ToQt(WebSiteCaption())), &QAction::triggered, this,
            Guarded(m_session.ui(), [this] { m_session.OpenWebSite(); }));
    connect(help->addAction(QStringLiteral("About")), &QAction::triggered, m_about, &QWidget::show);
}

QWidget* MainWindow::BuildBottomBar() {
    auto* bar = new QWidget;
    bar->setFixedHeight(29);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 2, 4, 2);
    auto addButton = [&](const QString& caption, auto receiver, auto action) {
        auto* button = new QPushButton(caption);
        button->setObjectName(caption);
        connect(button, &QPushButton::clicked, receiver, action);
        layout->addWidget(button);
    };
    addButton(QStringLiteral("Overview"), this, [this] { m_session.HelpRequested(helptopic::kOverview); });
    addButton(QStringLiteral("About"), m_about, &QWidget::show);
    addButton(QStringLiteral("Check for Updates"), m_updateWindow, &QWidget::show);
    layout->addStretch();
    auto* exit = new QPushButton(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("Exit"));
    connect(exit, &QPushButton::clicked, this, &MainWindow::Exit);
    layout->addWidget(exit);
    return bar;
}

void MainWindow::Changed(Aspect aspect) {
    switch (aspect) {
    case Aspect::Catalog: m_catalog->ShowCatalog(); break;
    case Aspect::Workflow: ShowWorkflow(); break;
    case Aspect::Workspace:
        m_customize->ShowWorkspace();
        m_files->ShowWorkspace();
        break;
    case Aspect::Output: m_files->ShowGeneration(); break;
    case Aspect::History:
        m_customize->ShowHistory();
        ShowTitle();
        break;
    }
}

void MainWindow::ShowTitle() {
    setWindowTitle(ToQt(m_session.WindowTitle()));
    const bool loaded = m_session.workspace() != nullptr;
    m_saveProject->setEnabled(loaded);
    m_saveProjectAs->setEnabled(loaded);
}

void MainWindow::ShowWorkflow() {
    const WorkflowState& state = m_session.workflow();
    m_applying = true;
    for (size_t i = 0; i < kWorkflowPageCount; ++i)
        m_pages->setTabVisible(static_cast<int>(i), state.pageVisible[i]);
    m_pages->setCurrentIndex(static_cast<int>(state.activePage));
    m_applying = false;
    ShowTitle();
    m_customize->ShowWorkflow();
    m_files->ShowWorkflow();
}

void MainWindow::Exit() {
    bool leave = false;
    GuardedCall(m_session.ui(), [&] { leave = m_session.ConfirmDiscard(); });
    if (!leave)
        return;
    m_discardConfirmed = true;
    if (!close())
        m_session.ui().ShowError(texts::kCloseFailed);
    m_discardConfirmed = false;
}

void MainWindow::RestoreSettings(const QSettings& settings) {
    restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
    const int height = settings.value(QStringLiteral("window/customizeHeight"), 0).toInt();
    if (height > 0)
        GuardedCall(m_session.ui(), [&] { m_session.SplitterMoved(height); });
    std::vector<std::filesystem::path> recent;
    for (const QVariant& file : settings.value(QStringLiteral("projects/recent")).toList())
        recent.emplace_back(file.toByteArray().toStdString());
    m_session.projectFiles().recent().Restore(recent);
}

void MainWindow::SaveSettings(QSettings& settings) const {
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/customizeHeight"), m_session.workflow().CustomizePagesHeight);
    QVariantList recent;
    for (const std::filesystem::path& file : m_session.projectFiles().recent().files())
        recent << QByteArray::fromStdString(file.native());
    settings.setValue(QStringLiteral("projects/recent"), recent);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool leave = m_discardConfirmed;
    if (!leave)
        GuardedCall(m_session.ui(), [&] { leave = m_session.ConfirmDiscard(); });
    if (!leave) {
        event->ignore();
        return;
    }
    m_session.FormClose();
    event->accept();
}

} // namespace quorlex
