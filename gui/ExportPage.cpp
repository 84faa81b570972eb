#include "ExportPage.h"

#include "GuardedCall.h"
#include "QtText.h"
#include "RowDelegate.h"
#include "app/Session.h"
#include "help/HelpTopics.h"
#include "output/Export.h"
#include "ports/Platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace quorlex {

namespace {

// Folder and file icons of the style where the desktop has no icon theme.
class StyleIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        return QApplication::style()->standardIcon(info.isDir() ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    }
};

void UseIcons(QFileSystemModel* model) {
    if (QIcon::hasThemeIcon(QStringLiteral("folder")))
        return;
    static StyleIconProvider provider;
    model->setIconProvider(&provider);
}

} // namespace

ExportPage::ExportPage(Session& session, const std::function<void()>& splashStep, QWidget* parent)
    : QWidget(parent), m_session(session) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildFilesGroup(), 1);
    layout->addWidget(BuildTargetGroup(splashStep), 3);
    SetCurrentFolder(PathToQt(m_session.platform().GetMyDocumentsFolder()));
}

QWidget* ExportPage::BuildFilesGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Template Files: "));
    m_generated = new QListWidget;
    m_generated->setObjectName(QStringLiteral("GeneratedFileList"));
    m_generated->setItemDelegate(new RowDelegate(m_generated));
    m_dreamweaver = new QCheckBox(QStringLiteral("DW MX Template"));
    m_expressionWeb = new QCheckBox(QStringLiteral("MS EW / Old DW Template"));
    for (QCheckBox* box : {m_dreamweaver, m_expressionWeb}) {
        connect(box, &QCheckBox::clicked, this, &ExportPage::OptionsChanged);
        box->installEventFilter(this);
    }
    auto* exportButton = new QPushButton(QStringLiteral("Export Files to Selected Folder  "));
    exportButton->setObjectName(QStringLiteral("ExportButton"));
    connect(exportButton, &QPushButton::clicked, this, &ExportPage::ExportTemplate);
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("ExportHelp"));
    connect(help, &QPushButton::clicked, this,
            Guarded(m_session.ui(), [this] { m_session.HelpRequested(helptopic::kExport); }));

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_generated, 1);
    layout->addWidget(m_dreamweaver);
    layout->addWidget(m_expressionWeb);
    layout->addWidget(exportButton);
    layout->addWidget(help);
    return group;
}

QWidget* ExportPage::BuildTargetGroup(const std::function<void()>& splashStep) {
    auto* group = new QGroupBox(QStringLiteral(" Target Folder (doubleclick to select): "));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(BuildBrowser(splashStep), 1);
    layout->addWidget(BuildTargetBar());
    return group;
}

QWidget* ExportPage::BuildBrowser(const std::function<void()>& splashStep) {
    m_drives = new QComboBox;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            m_drives->addItem(volume.rootPath());
    // Mount points can be long: the box stays narrow and shows them in full when it drops down.
    m_drives->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_drives->setMinimumContentsLength(8);
    connect(m_drives, &QComboBox::textActivated, this, &ExportPage::SetCurrentFolder);
    splashStep();

    m_folderModel = new QFileSystemModel(this);
    m_folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folderModel->setRootPath(QStringLiteral("/"));
    UseIcons(m_folderModel);
    // Folders load in the background; the current one is scrolled to once its parents are there.
    connect(m_folderModel, &QFileSystemModel::directoryLoaded, this, Guarded(m_session.ui(), [this] {
                m_folders->scrollTo(m_folderModel->index(m_current), QAbstractItemView::PositionAtCenter);
            }));
    m_folders = new QTreeView;
    m_folders->setObjectName(QStringLiteral("FolderList"));
    m_folders->setModel(m_folderModel);
    for (int column = 1; column < m_folderModel->columnCount(); ++column)
        m_folders->hideColumn(column);
    m_folders->setHeaderHidden(true);
    // The highlighted folder is the target, whether a click or a key moved the highlight.
    connect(m_folders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            Guarded(m_session.ui(), [this](const QModelIndex& index) {
                if (index.isValid())
                    SetCurrentFolder(m_folderModel->filePath(index));
            }));
    splashStep();

    m_fileModel = new QFileSystemModel(this);
    m_fileModel->setFilter(QDir::AllEntries | QDir::NoDotAndDotDot);
    UseIcons(m_fileModel);
    m_files = new QListView;
    m_files->setModel(m_fileModel);
    connect(m_files, &QListView::activated, this, Guarded(m_session.ui(), [this](const QModelIndex& index) {
                if (m_fileModel->isDir(index))
                    SetCurrentFolder(m_fileModel->filePath(index));
            }));
    splashStep();

    m_newFolder = new QLineEdit;
    auto* create = new QPushButton(QStringLiteral("create"));
    create->setObjectName(QStringLiteral("CreateFolderButton"));
    connect(create, &QPushButton::clicked, this, &ExportPage::CreateFolder);
    connect(m_newFolder, &QLineEdit::returnPressed, this, &ExportPage::CreateFolder);
    auto* createRow = new QHBoxLayout;
    createRow->addWidget(m_newFolder, 1);
    createRow->addWidget(create);

    auto* folderColumn = new QWidget;
    auto* folderLayout = new QVBoxLayout(folderColumn);
    folderLayout->setContentsMargins(0, 0, 0, 0);
    folderLayout->addWidget(m_drives);
    folderLayout->addWidget(m_folders, 1);
    auto* fileColumn = new QWidget;
    auto* fileLayout = new QVBoxLayout(fileColumn);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    fileLayout->addWidget(m_files, 1);
    fileLayout->addWidget(new QLabel(QStringLiteral("Create and Open Folder:")));
    fileLayout->addLayout(createRow);

    auto* split = new QSplitter;
    split->addWidget(folderColumn);
    split->addWidget(fileColumn);
    return split;
}

QWidget* ExportPage::BuildTargetBar() {
    auto* documents = new QPushButton(QStringLiteral("Go to My Documents"));
    connect(documents, &QPushButton::clicked, this, Guarded(m_session.ui(), [this] {
                SetCurrentFolder(PathToQt(m_session.platform().GetMyDocumentsFolder()));
            }));
    m_target = new QLineEdit;
    m_target->setObjectName(QStringLiteral("TargetFolder"));
    m_target->setReadOnly(true);
    auto* explorer = new QPushButton(QStringLiteral(" Open in Explorer "));
    connect(explorer, &QPushButton::clicked, this,
            Guarded(m_session.ui(), [this] { m_session.filesPage().OpenInExplorer(PathFromQt(m_target->text())); }));

    auto* caption = new QLabel(QStringLiteral(" Selected Target Folder (where the template files will be saved):"));
    caption->setWordWrap(true);
    auto* bar = new QWidget;
    auto* layout = new QGridLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption, 0, 0, 1, 3);
    layout->addWidget(documents, 1, 0);
    layout->addWidget(m_target, 1, 1);
    layout->addWidget(explorer, 1, 2);
    layout->setColumnStretch(1, 1);
    return bar;
}

void ExportPage::SetCurrentFolder(const QString& folder) {
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    m_current = QDir::cleanPath(folder);
    const QModelIndex index = m_folderModel->index(m_current);
    m_folders->setCurrentIndex(index);
    m_folders->scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_files->setRootIndex(m_fileModel->setRootPath(m_current));
    m_target->setText(index.isValid() ? m_current : QString());
}

QString ExportPage::targetText() const { return m_target->text(); }

void ExportPage::ShowGeneration() {
    m_generated->clear();
    for (const std::string& file : m_session.filesPage().generation().files)
        m_generated->addItem(ToQt(file));
    m_dreamweaver->setChecked(m_session.filesPage().templateOptions().dreamweaverMx);
    m_expressionWeb->setChecked(m_session.filesPage().templateOptions().expressionWeb);
}

void ExportPage::OptionsChanged() {
    m_session.filesPage().SetTemplateOptions({m_dreamweaver->isChecked(), m_expressionWeb->isChecked()});
}

// Any other key on a template option generates again, as a click does.
bool ExportPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == m_dreamweaver || watched == m_expressionWeb))
        m_session.filesPage().TemplateOptionKeyPressed(static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space);
    return QWidget::eventFilter(watched, event);
}

void ExportPage::SetBrowserVisible(bool visible) {
    m_files->setVisible(visible);
    m_folders->setVisible(visible);
    m_drives->setVisible(visible);
}

void ExportPage::ExportTemplate() { m_session.filesPage().ExportTemplate(PathFromQt(m_target->text()), *this); }

void ExportPage::ShowFolder(const fs::path& folder) { SetCurrentFolder(PathToQt(folder)); }

void ExportPage::CreateFolder() {
    const NewFolder created =
        CreateTargetFolder(PathFromQt(m_current), m_newFolder->text().toStdString(), m_session.ui());
    switch (created.outcome) {
    case NewFolderOutcome::EmptyName: m_newFolder->setFocus(); return;
    case NewFolderOutcome::Created:
        SetCurrentFolder(PathToQt(created.folder));
        m_newFolder->clear();
        break;
    case NewFolderOutcome::Failed:
        m_newFolder->setFocus();
        m_newFolder->selectAll();
        break;
    case NewFolderOutcome::NoBase: break;
    }
}

} // namespace quorlex
