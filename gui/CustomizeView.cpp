#include "CustomizeView.h"

#include "ColorsPanel.h"
#include "DevicePreviewArea.h"
#include "FontsPanel.h"
#include "GuardedCall.h"
#include "ResizeFollower.h"
#include "ImagesPanel.h"
#include "LayoutsPanel.h"
#include "ListRows.h"
#include "MenusPanel.h"
#include "PagesPanel.h"
#include "PresetPanel.h"
#include "PreviewBrowser.h"
#include "QtText.h"
#include "app/Session.h"
#include "help/HelpTopics.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace quorlex {

namespace {

// A page that scrolls when the window is smaller than the page needs (a scaled screen).
QScrollArea* Scrollable(QWidget* page) {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    return area;
}

template <typename Rows>
QStringList Titles(const Rows& rows) {
    QStringList titles;
    for (const auto& row : rows)
        titles << ToQt(row.title);
    return titles;
}

QStringList TitlesOf(const TemplateWorkspace& ws, TableKind kind) {
    switch (kind) {
    case TableKind::Colors: return Titles(ws.tables.colors);
    case TableKind::Images: return Titles(ws.tables.images);
    case TableKind::Layouts: return Titles(ws.tables.layouts);
    case TableKind::Fonts: return Titles(ws.tables.fonts);
    case TableKind::Menus: return Titles(ws.tables.menus);
    }
    return {};
}

} // namespace

CustomizeView::CustomizeView(Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_colors(new ColorsPanel(session.colorsPage(), session.ui())),
      m_layouts(new LayoutsPanel(session.layoutsPage(), session.ui())),
      m_fonts(new FontsPanel(session.fontsPage(), session.ui())), m_images(new ImagesPanel(session)),
      m_menus(new MenusPanel(session.menusPage(), session.ui())),
      m_pagesPanel(new PagesPanel(session.pagesPage(), session.ui())) {
    m_titles[0] = m_colors->titleList();
    m_presets[0] = m_colors->presetPanel()->list();
    m_titles[1] = m_images->titleList();
    m_presets[1] = m_images->presetPanel()->list();
    m_titles[2] = m_layouts->titleList();
    m_presets[2] = m_layouts->presetPanel()->list();
    m_titles[3] = m_fonts->titleList();
    m_menus->SetPageFiles([&session] {
        QStringList pages;
        for (const std::string& file : session.pagesPage().PageFiles())
            pages << ToQt(file);
        return pages;
    });
    m_titles[4] = m_menus->titleList();
    m_presets[4] = m_menus->presetList();
    m_subPages = new QTabWidget;
    m_subPages->setObjectName(QStringLiteral("PageControl2"));
    m_subPages->addTab(Scrollable(m_colors), QStringLiteral("Colors && Backgrounds:"));
    m_subPages->addTab(Scrollable(m_images), QStringLiteral("Images:"));
    m_subPages->addTab(Scrollable(m_layouts), QStringLiteral("Layout / Objects:"));
    m_subPages->addTab(Scrollable(m_fonts), QStringLiteral("Fonts:"));
    m_subPages->addTab(Scrollable(m_menus), QStringLiteral("Menus:"));
    m_subPages->addTab(m_pagesPanel, QStringLiteral("Pages:"));
    m_subPages->addTab(new QWidget, QStringLiteral("Large Preview:"));
    m_subPages->setMinimumHeight(1); // "Large Preview:" leaves only the tabs showing

    m_split = new QSplitter(Qt::Vertical);
    m_split->setChildrenCollapsible(false);
    m_split->addWidget(m_subPages);
    m_split->addWidget(BuildPreviewGroup());
    m_split->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_split);

    connect(m_subPages, &QTabWidget::currentChanged, this, Guarded(m_session.ui(), [this](int index) {
                if (!m_applying)
                    m_session.SubPageChanged(static_cast<SubPage>(index));
            }));
    connect(m_split, &QSplitter::splitterMoved, this,
            Guarded(m_session.ui(), [this] { m_session.SplitterMoved(m_split->sizes().first()); }));
}

QWidget* CustomizeView::BuildPreviewGroup() {
    auto* group = new QGroupBox(QStringLiteral("Live Preview:"));
    QToolBar* toolbar = BuildPreviewToolbar();
    m_preview = new PreviewBrowser;
    m_preview->setObjectName(QStringLiteral("WebBrowser1"));
    m_previewArea = new DevicePreviewArea(m_preview);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(ToolbarStrip(toolbar));
    layout->addWidget(m_previewArea, 1);
    return group;
}

// The bar keeps a fixed size, so a change of its buttons never lays out the whole window. It
// sits on a strip that leaves the window free to be narrower: then the bar is cut to the
// strip's width and shows the rest behind its extension button.
QWidget* CustomizeView::ToolbarStrip(QToolBar* toolbar) {
    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("ToolbarStrip"));
    strip->setFixedHeight(toolbar->height());
    strip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    toolbar->setParent(strip);
    const int full = toolbar->width();
    strip->installEventFilter(new ResizeFollower(strip, [toolbar, full](const QSize& size) {
        toolbar->setFixedWidth(std::min(full, size.width()));
    }));
    return strip;
}

QToolBar* CustomizeView::BuildPreviewToolbar() {
    auto* toolbar = new QToolBar;
    QAction* load = toolbar->addAction(QStringLiteral("Load Project"));
    load->setObjectName(QStringLiteral("LoadProject"));
    connect(load, &QAction::triggered, this, Guarded(m_session.ui(), [this] { m_session.projectFiles().LoadProject(); }));
    QAction* save = toolbar->addAction(QStringLiteral("Save Project"));
    save->setObjectName(QStringLiteral("SaveProject"));
    connect(save, &QAction::triggered, this, Guarded(m_session.ui(), [this] { m_session.projectFiles().SaveProjectAs(); }));
    QAction* external = toolbar->addAction(QStringLiteral("Preview in IE"));
    external->setObjectName(QStringLiteral("PreviewInIE"));
    connect(external, &QAction::triggered, this, Guarded(m_session.ui(), [this] { m_session.PreviewInIE(); }));
    QAction* help = toolbar->addAction(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("ToolbarHelp"));
    connect(help, &QAction::triggered, this,
            Guarded(m_session.ui(), [this] { m_session.HelpRequested(helptopic::kPreviewToolbar); }));
    QAction* refresh = toolbar->addAction(QStringLiteral("&Refresh"));
    refresh->setObjectName(QStringLiteral("Refresh"));
    refresh->setShortcut(QKeySequence(QStringLiteral("Alt+R")));
    connect(refresh, &QAction::triggered, this,
            Guarded(m_session.ui(), [this] { m_session.Rebuildtemplate(ViewUpdate::Reload); }));
    AddHistoryActions(toolbar);
    toolbar->addSeparator();
    toolbar->addWidget(BuildDeviceWidths());
    // Undo and Redo change with every step. A bar of fixed size lays itself out again then,
    // instead of the whole window, which would hold up the preview's next frame by milliseconds.
    toolbar->ensurePolished();
    toolbar->setFixedSize(toolbar->sizeHint());
    return toolbar;
}

void CustomizeView::AddHistoryActions(QToolBar* toolbar) {
    m_undo = toolbar->addAction(QStringLiteral("Undo"));
    m_undo->setObjectName(QStringLiteral("Undo"));
    m_undo->setIconText(QStringLiteral("Undo"));
    m_undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    connect(m_undo, &QAction::triggered, this, Guarded(m_session.ui(), [this] { m_session.Undo(); }));
    m_redo = toolbar->addAction(QStringLiteral("Redo"));
    m_redo->setObjectName(QStringLiteral("Redo"));
    m_redo->setIconText(QStringLiteral("Redo"));
    m_redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    connect(m_redo, &QAction::triggered, this, Guarded(m_session.ui(), [this] { m_session.Redo(); }));
    ShowHistory();
}

QComboBox* CustomizeView::BuildDeviceWidths() {
    m_deviceWidths = new QComboBox;
    m_deviceWidths->setObjectName(QStringLiteral("DeviceWidth"));
    m_deviceWidths->setToolTip(QStringLiteral("The width the preview lays the page out at"));
    for (const DeviceWidthChoice& choice : kDeviceWidths)
        m_deviceWidths->addItem(QString::fromLatin1(choice.caption));
    connect(m_deviceWidths, &QComboBox::activated, this, Guarded(m_session.ui(), [this](int index) {
                m_session.PreviewWidthChosen(kDeviceWidths[static_cast<size_t>(index)].width);
            }));
    return m_deviceWidths;
}

QListWidget* CustomizeView::titleList(int subPage) const { return m_titles[subPage]; }
QListWidget* CustomizeView::presetList(int subPage) const { return m_presets[subPage]; }

void CustomizeView::ShowWorkspace() {
    const TemplateWorkspace* ws = m_session.workspace();
    if (!ws)
        return;
    for (size_t i = 0; i < kSubPageTables.size(); ++i)
        m_subPages->setTabVisible(static_cast<int>(i), ws->TabVisible(kSubPageTables[i]));
    m_colors->Reload(TitlesOf(*ws, TableKind::Colors));
    m_layouts->Reload(TitlesOf(*ws, TableKind::Layouts));
    m_fonts->Reload(TitlesOf(*ws, TableKind::Fonts));
    m_images->Reload(TitlesOf(*ws, TableKind::Images));
    m_menus->Reload(TitlesOf(*ws, TableKind::Menus), ws->menuClassOffered);
    m_subPages->setTabVisible(static_cast<int>(SubPage::Pages), m_session.pagesPage().RegionCount() > 0);
    m_pagesPanel->Render();
}

void CustomizeView::ShowHistory() {
    const auto show = [](QAction* action, const std::string& caption, bool enabled) {
        const QString text = ToQt(caption);
        action->setText(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setToolTip(PlainToolTip(text));
        action->setEnabled(enabled);
    };
    show(m_undo, m_session.history().UndoCaption(), m_session.CanUndo());
    show(m_redo, m_session.history().RedoCaption(), m_session.CanRedo());
}

void CustomizeView::ShowWorkflow() {
    const WorkflowState& state = m_session.workflow();
    m_applying = true;
    m_subPages->setCurrentIndex(static_cast<int>(state.activeSubPage));
    m_applying = false;
    const int total = m_split->height();
    m_split->setSizes({state.subPageAreaHeight, std::max(0, total - state.subPageAreaHeight)});
    for (size_t i = 0; i < kDeviceWidths.size(); ++i)
        if (kDeviceWidths[i].width == state.previewWidth)
            m_deviceWidths->setCurrentIndex(static_cast<int>(i));
    m_previewArea->SetDeviceWidth(state.previewWidth);
}

} // namespace quorlex
