#include "FilesView.h"

#include "QtText.h"
#include "RowDelegate.h"
#include "app/Session.h"
#include "ports/Platform.h"

#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace quorlex {

namespace {

QsciScintilla* CodeEditor(QsciLexer* lexer) {
    auto* editor = new QsciScintilla;
    lexer->setParent(editor);
    lexer->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor->setLexer(lexer);
    editor->setMarginType(0, QsciScintilla::NumberMargin);
    editor->setMarginWidth(0, QStringLiteral("000000"));
    editor->setWrapMode(QsciScintilla::WrapNone);
    editor->setReadOnly(true);
    editor->setUtf8(true);
    return editor;
}

QWidget* WithHelp(QWidget* content) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content, 1);
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setEnabled(false);
    layout->addWidget(help, 0, Qt::AlignRight);
    return page;
}

} // namespace

FilesView::FilesView(Session& session, const std::function<void()>& splashStep, QWidget* parent)
    : QWidget(parent), m_session(session) {
    m_outputPages = new QTabWidget;
    m_outputPages->setObjectName(QStringLiteral("PageControl4"));
    m_outputPages->addTab(BuildExportPage(splashStep), QStringLiteral("Export (Save) Template Files:"));
    m_help = new QWebEngineView;
    m_help->setObjectName(QStringLiteral("WebBrowser2"));
    m_outputPages->addTab(m_help, QStringLiteral("Template Help Info:"));
    m_outputPages->addTab(BuildCodePage(splashStep), QStringLiteral("HTML/CSS Code:"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_outputPages);
}

QWidget* FilesView::BuildExportPage(const std::function<void()>& splashStep) {
    m_drives = new QComboBox;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            m_drives->addItem(volume.rootPath());
    splashStep();
    m_folderModel = new QFileSystemModel(this);
    m_folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folderModel->setRootPath(QStringLiteral("/"));
    m_folders = new QTreeView;
    m_folders->setModel(m_folderModel);
    for (int column = 1; column < m_folderModel->columnCount(); ++column)
        m_folders->hideColumn(column);
    m_folders->setHeaderHidden(true);
    splashStep();
    m_fileModel = new QFileSystemModel(this);
    m_fileModel->setFilter(QDir::AllEntries | QDir::NoDotAndDotDot);
    m_files = new QListView;
    m_files->setModel(m_fileModel);
    splashStep();
    connect(m_drives, &QComboBox::textActivated, this, &FilesView::BrowseTo);
    connect(m_folders, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { BrowseTo(m_folderModel->filePath(index)); });

    auto* browser = new QSplitter;
    browser->addWidget(m_folders);
    browser->addWidget(m_files);
    auto* browserColumn = new QVBoxLayout;
    browserColumn->addWidget(m_drives);
    browserColumn->addWidget(browser, 1);

    auto* generated = new QListWidget;
    generated->setItemDelegate(new RowDelegate(generated));
    auto* options = new QVBoxLayout;
    options->addWidget(new QLabel(QStringLiteral(" Template Files: ")));
    options->addWidget(generated, 1);
    for (const char* caption : {"DW MX Template", "MS EW / Old DW Template"}) {
        auto* box = new QCheckBox(QString::fromLatin1(caption));
        box->setEnabled(false);
        options->addWidget(box);
    }
    auto* exportButton = new QPushButton(QStringLiteral("Export Files to Selected Folder  "));
    exportButton->setEnabled(false);
    options->addWidget(exportButton);
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setEnabled(false);
    options->addWidget(help);

    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(browserColumn, 2);
    layout->addLayout(options, 1);
    BrowseTo(PathToQt(m_session.platform().GetMyDocumentsFolder()));
    return page;
}

QWidget* FilesView::BuildCodePage(const std::function<void()>& splashStep) {
    m_html = CodeEditor(new QsciLexerHTML);
    splashStep();
    m_css = CodeEditor(new QsciLexerCSS);
    splashStep();
    m_hover = CodeEditor(new QsciLexerHTML);
    m_codeTabs = new QTabWidget;
    m_codeTabs->addTab(WithHelp(m_html), QStringLiteral("XHTML Code"));
    m_codeTabs->addTab(WithHelp(m_css), QStringLiteral("CSS Code"));
    m_codeTabs->addTab(WithHelp(m_hover), QStringLiteral("cssHover2.htc"));
    auto* wrap = new QCheckBox(QStringLiteral("wordwrap"));
    wrap->setEnabled(false);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_codeTabs, 1);
    layout->addWidget(wrap);
    return page;
}

void FilesView::BrowseTo(const QString& folder) {
    if (folder.isEmpty())
        return;
    m_folders->setCurrentIndex(m_folderModel->index(folder));
    m_folders->scrollTo(m_folderModel->index(folder));
    m_files->setRootIndex(m_fileModel->setRootPath(folder));
}

void FilesView::ShowCode() {
    const TemplateWorkspace* ws = m_session.workspace();
    if (!ws)
        return;
    m_html->setText(ToQt(ws->workingPage));
    m_css->setText(ToQt(ws->stylesheetScratch));
    m_hover->setText(ToQt(ws->hoverFile.value_or(std::string())));
}

void FilesView::ShowWorkspace() {
    ShowCode();
    const WorkflowState& state = m_session.workflow();
    m_codeTabs->setTabVisible(2, state.hoverTabVisible);
    m_codeTabs->setTabEnabled(2, state.hoverTabVisible);
    m_codeTabs->setCurrentIndex(state.activeCodeTab);
}

} // namespace quorlex
