#include "CatalogView.h"

#include "CheckTemplateDialog.h"
#include "GuardedCall.h"
#include "LocalContentPolicy.h"
#include "QtText.h"
#include "app/Session.h"
#include "check/PackageCheck.h"
#include "help/HelpTopics.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <algorithm>
#include <utility>

namespace quorlex {

namespace {

// Underlines the row under the mouse.
class HotRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->state & QStyle::State_MouseOver)
            option->font.setUnderline(true);
    }
};

} // namespace

CatalogView::CatalogView(Session& session, const QString& resourceFolder, QWidget* parent)
    : QWidget(parent), m_session(session) {
    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral(" Select Template and click \"Customize\" to open:")));
    header->addStretch();
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("CatalogHelp"));
    connect(help, &QPushButton::clicked, this,
            Guarded(m_session.ui(), [this] { m_session.HelpRequested(helptopic::kSelectTemplate); }));
    header->addWidget(help);

    m_list = new QTreeWidget;
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({QStringLiteral("Template"), QStringLiteral("Author"), QStringLiteral("ID")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSortingEnabled(false);
    m_list->header()->setSectionsClickable(false);
    m_list->header()->setMinimumSectionSize(70);
    m_list->setColumnWidth(0, 200);
    m_list->setColumnWidth(1, 150);
    m_list->setColumnWidth(2, 70);
    m_list->setMouseTracking(true);
    m_list->setItemDelegate(new HotRowDelegate(m_list));
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CatalogView::SelectionChanged);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this,
            Guarded(m_session.ui(), [this] { m_session.RecalculateTemplate(); }));

    auto* top = new QSplitter(Qt::Horizontal);
    top->setChildrenCollapsible(false);
    top->addWidget(m_list);
    top->addWidget(BuildInfoPane(resourceFolder));
    top->setStretchFactor(0, 1);
    top->setSizes({440, 460});

    m_info = new QWebEngineView;
    RestrictToLocalContent(m_info);
    // An empty page now starts the browser's page process, which gets ready while the rest of
    // the window is built; the welcome text follows into the same process.
    m_info->setHtml(QString());
    m_info->setObjectName(QStringLiteral("WebBrowser3"));
    auto* infoTabs = new QTabWidget;
    infoTabs->addTab(m_info, QStringLiteral("Template Info:"));

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(top);
    split->addWidget(infoTabs);
    split->setSizes({330, 400});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(split, 1);
}

QWidget* CatalogView::BuildInfoPane(const QString& resourceFolder) {
    auto* column = new QWidget;
    column->setMinimumWidth(240);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    m_pane = new QWidget;
    m_pane->setMinimumHeight(200);
    m_placeholder = new QLabel(m_pane);
    m_placeholder->setPixmap(QPixmap(resourceFolder + QStringLiteral("/placeholder.png")));
    m_placeholder->setScaledContents(true);
    m_screenshot = new QLabel(m_pane);
    m_screenshot->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_screenshot->setStyleSheet(QStringLiteral("background: palette(window);"));
    m_screenshot->hide();
    m_customize = new QPushButton(QStringLiteral(" Customize "));
    QFont bold = m_customize->font();
    bold.setBold(true);
    m_customize->setFont(bold);
    m_customize->setEnabled(false);
    connect(m_customize, &QPushButton::clicked, this,
            Guarded(m_session.ui(), [this] { m_session.RecalculateTemplate(); }));
    m_check = new QPushButton(QStringLiteral("Check template"));
    m_check->setToolTip(QStringLiteral("Lists the mistakes of the selected template, with file, line and fix"));
    m_check->setEnabled(false);
    connect(m_check, &QPushButton::clicked, this, &CatalogView::CheckTemplate);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_check);
    buttons->addWidget(m_customize);
    columnLayout->addWidget(m_pane, 1);
    columnLayout->addLayout(buttons);
    return column;
}

void CatalogView::ShowCatalog() {
    m_list->clear();
    for (const auto& entry : m_session.catalogPage().rows())
        m_list->addTopLevelItem(new QTreeWidgetItem({ToQt(entry.title), ToQt(entry.author), ToQt(entry.folder)}));
    // Title and author as wide as their texts, at least the designed widths.
    for (const auto& [column, designed] : {std::pair{0, 200}, std::pair{1, 150}}) {
        m_list->resizeColumnToContents(column);
        m_list->setColumnWidth(column, std::max(designed, m_list->columnWidth(column) + 12));
    }
    ShowSelection();
}

void CatalogView::SelectionChanged() {
    const auto selected = m_list->selectedItems();
    std::optional<size_t> row;
    if (!selected.isEmpty())
        row = static_cast<size_t>(m_list->indexOfTopLevelItem(selected.first()));
    m_session.catalogPage().SelectionChanged(row);
    ShowSelection();
}

void CatalogView::ShowSelection() {
    const auto& page = m_session.catalogPage();
    m_customize->setEnabled(page.customizeEnabled());
    m_check->setEnabled(page.customizeEnabled());
    const QString file = page.screenshotVisible() ? PathToQt(page.screenshotFile()) : QString();
    if (file != m_pictureFile) {
        m_pictureFile = file;
        m_picture = file.isEmpty() ? QPixmap() : QPixmap(file);
    }
    // A picture that cannot be loaded uncovers the placeholder.
    m_screenshot->setVisible(!m_picture.isNull());
    PlaceScreenshot();
}

void CatalogView::PlaceScreenshot() {
    m_placeholder->setGeometry(m_pane->rect());
    m_screenshot->setGeometry(m_pane->rect());
    if (m_picture.isNull())
        return;
    const bool larger = m_picture.width() > m_pane->width() || m_picture.height() > m_pane->height();
    m_screenshot->setPixmap(larger ? m_picture.scaled(m_pane->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                   : m_picture);
}

void CatalogView::CheckTemplate() {
    GuardedCall(m_session.ui(), [this] {
        const auto& page = m_session.catalogPage();
        const CheckFindings findings = CheckInstalledTemplate(m_session.AppFolder() / "templates", page.templateId());
        if (!m_checkDialog)
            m_checkDialog = new CheckTemplateDialog(this);
        m_checkDialog->ShowFindings(ToQt(page.templateTitle()), findings);
        m_checkDialog->open();
    });
}

bool CatalogView::screenshotShown() const { return m_screenshot->isVisible(); }

void CatalogView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceScreenshot();
}

bool CatalogView::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a selected row opens it, as "Customize" does.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_customize->isEnabled()) {
            GuardedCall(m_session.ui(), [this] { m_session.RecalculateTemplate(); });
            return true;
        }
    }
    if (watched != m_list->viewport())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool onRow = m_list->indexAt(mouse->position().toPoint()).isValid();
        m_list->viewport()->setCursor(onRow ? Qt::PointingHandCursor : Qt::ArrowCursor);
    } else if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_list->indexAt(mouse->position().toPoint()).isValid())
            m_list->clearSelection();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_session.catalogPage().ListView1Click(!m_list->selectedItems().isEmpty());
        ShowSelection();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quorlex
