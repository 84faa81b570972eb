#include "MenuTreeView.h"

#include "QtText.h"
#include "app/RowStyle.h"
#include "menus/MenuItem.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>
#include <functional>

namespace quorlex {

namespace {

constexpr int kScrollEdge = 8;

constexpr int kNodeTextRole = Qt::UserRole;

QString NodeText(const QTreeWidgetItem* item) { return item->data(0, kNodeTextRole).toString(); }

// A node named by the texts from its top-level node down; node texts hold no line breaks.
QString TextPath(const QTreeWidgetItem* item) {
    QString path = NodeText(item);
    for (const QTreeWidgetItem* up = item->parent(); up; up = up->parent())
        path = NodeText(up) + QLatin1Char('\n') + path;
    return path;
}

void ForEachItem(QTreeWidgetItem* item, const std::function<void(QTreeWidgetItem*)>& visit) {
    visit(item);
    for (int i = 0; i < item->childCount(); ++i)
        ForEachItem(item->child(i), visit);
}

// The root shows its class text; every other node its caption, link and target in columns.
QTreeWidgetItem* NewItem(const MenuNode& node, bool isRoot) {
    QStringList columns;
    if (isRoot) {
        columns << ToQt(node.text);
    } else {
        const MenuItemFields fields = SplitMenuItem(node.text);
        columns << ToQt(fields.caption) << ToQt(fields.link) << ToQt(fields.target);
    }
    auto* item = new QTreeWidgetItem(columns);
    item->setData(0, kNodeTextRole, ToQt(node.text));
    for (const auto& child : node.children)
        item->addChild(NewItem(child, false));
    return item;
}

std::optional<OutlineMove> MoveForKey(int key) {
    switch (key) {
    case Qt::Key_Up: return OutlineMove::Up;
    case Qt::Key_Down: return OutlineMove::Down;
    case Qt::Key_Right: return OutlineMove::In;
    case Qt::Key_Left: return OutlineMove::Out;
    default: return std::nullopt;
    }
}

} // namespace

MenuTreeView::MenuTreeView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("Caption"), QStringLiteral("Link"), QStringLiteral("Target")});
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::Interactive);
    header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &MenuTreeView::ShowContextMenu);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    setAutoScroll(false); // the drag scrolls one node per move instead
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    QPalette colors = palette();
    const QColor navy((RowStyle::kNavy >> 16) & 0xFF, (RowStyle::kNavy >> 8) & 0xFF, RowStyle::kNavy & 0xFF);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        colors.setColor(group, QPalette::Highlight, navy);
        colors.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    setPalette(colors);
}

void MenuTreeView::Show(const MenuTree& tree, const std::optional<NodePath>& selected, bool expandEverything) {
    QSet<QString> collapsed;
    if (!expandEverything) {
        for (int i = 0; i < topLevelItemCount(); ++i)
            ForEachItem(topLevelItem(i), [&](QTreeWidgetItem* item) {
                if (item->childCount() > 0 && !item->isExpanded())
                    collapsed.insert(TextPath(item));
            });
    }
    const int scroll = verticalScrollBar()->value();
    const QSignalBlocker blocker(this);
    setUpdatesEnabled(false);
    clear();
    QList<QTreeWidgetItem*> items;
    for (const auto& node : tree)
        items << NewItem(node, items.isEmpty());
    addTopLevelItems(items);
    expandAll();
    for (QTreeWidgetItem* item : items)
        ForEachItem(item, [&](QTreeWidgetItem* each) {
            if (collapsed.contains(TextPath(each)))
                each->setExpanded(false);
        });
    QTreeWidgetItem* current = selected ? ItemAt(*selected) : nullptr;
    setCurrentItem(current);
    if (!current)
        clearSelection();
    verticalScrollBar()->setValue(expandEverything ? 0 : scroll);
    if (current)
        scrollToItem(current);
    setUpdatesEnabled(true);
}

void MenuTreeView::ExpandSelected() {
    if (QTreeWidgetItem* item = currentItem())
        item->setExpanded(true);
}

std::optional<NodePath> MenuTreeView::PathOf(const QTreeWidgetItem* item) const {
    if (!item)
        return std::nullopt;
    NodePath path;
    for (; item->parent(); item = item->parent())
        path.insert(path.begin(),
                    static_cast<size_t>(item->parent()->indexOfChild(const_cast<QTreeWidgetItem*>(item))));
    path.insert(path.begin(), static_cast<size_t>(indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item))));
    return path;
}

QTreeWidgetItem* MenuTreeView::ItemAt(const NodePath& path) const {
    QTreeWidgetItem* item = nullptr;
    for (size_t index : path) {
        const int i = static_cast<int>(index);
        item = item ? item->child(i) : topLevelItem(i);
        if (!item)
            return nullptr;
    }
    return item;
}

std::optional<NodePath> MenuTreeView::selectedPath() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? std::nullopt : PathOf(items.first());
}

int MenuTreeView::ContentY(int viewportY) const { return viewportY + verticalOffset(); }

void MenuTreeView::mousePressEvent(QMouseEvent* event) {
    m_pressY = ContentY(event->position().toPoint().y());
    QTreeWidget::mousePressEvent(event);
}

// A double-click edits the node under the pointer instead of folding it.
void MenuTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (!item)
        return;
    setCurrentItem(item);
    emit editRequested();
}

void MenuTreeView::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::AltModifier) {
        if (const auto move = MoveForKey(event->key())) {
            emit moveRequested(*move);
            return;
        }
    }
    switch (event->key()) {
    case Qt::Key_Insert: emit addRequested(); return;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter: emit editRequested(); return;
    case Qt::Key_Delete: emit deleteRequested(); return;
    default: QTreeWidget::keyPressEvent(event);
    }
}

QStringList MenuTreeView::mimeTypes() const { return {QString::fromLatin1(kNodeMimeType)}; }

QMimeData* MenuTreeView::mimeData(const QList<QTreeWidgetItem*>&) const {
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kNodeMimeType), QByteArray());
    return mime;
}

void MenuTreeView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(kNodeMimeType)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MenuTreeView::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasFormat(QString::fromLatin1(kNodeMimeType))) {
        event->ignore();
        return;
    }
    const int step = DragScrollStep(event->position().toPoint().y(), viewport()->height(), kScrollEdge);
    if (step)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + step);
    ShowDropLine(event->position().toPoint());
    event->acceptProposedAction();
}

void MenuTreeView::dragLeaveEvent(QDragLeaveEvent* event) {
    HideDropLine();
    QTreeWidget::dragLeaveEvent(event);
}

// The line where the dragged node will land: under the target when moving down, over it
// when moving up, as the drop rule places it.
void MenuTreeView::ShowDropLine(const QPoint& at) {
    const QTreeWidgetItem* target = itemAt(at);
    std::optional<int> line;
    if (target) {
        const QRect row = visualItemRect(target);
        const bool down = DropDirectionOf(m_pressY, ContentY(at.y())) == DropDirection::Down;
        line = down ? row.bottom() : row.top();
    }
    if (line != m_dropLine) {
        m_dropLine = line;
        viewport()->update();
    }
}

void MenuTreeView::HideDropLine() {
    if (m_dropLine) {
        m_dropLine.reset();
        viewport()->update();
    }
}

void MenuTreeView::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (!m_dropLine)
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
    painter.drawLine(0, *m_dropLine, viewport()->width(), *m_dropLine);
}

void MenuTreeView::ShowContextMenu(const QPoint& at) {
    if (QTreeWidgetItem* item = itemAt(at))
        setCurrentItem(item);
    QMenu menu(this);
    menu.addAction(QStringLiteral("Add item\tInsert"), this, &MenuTreeView::addRequested);
    QAction* edit = menu.addAction(QStringLiteral("Edit item...\tF2"), this, &MenuTreeView::editRequested);
    QAction* remove = menu.addAction(QStringLiteral("Delete item\tDelete"), this, &MenuTreeView::deleteRequested);
    menu.addSeparator();
    const std::pair<const char*, OutlineMove> moves[] = {{"Move up\tAlt+Up", OutlineMove::Up},
                                                        {"Move down\tAlt+Down", OutlineMove::Down},
                                                        {"Move into the item above\tAlt+Right", OutlineMove::In},
                                                        {"Move out of its parent\tAlt+Left", OutlineMove::Out}};
    QList<QAction*> moveActions;
    for (const auto& [caption, move] : moves)
        moveActions << menu.addAction(QString::fromLatin1(caption), this,
                                      [this, move = move] { emit moveRequested(move); });
    const bool onNode = currentItem() != nullptr;
    for (QAction* action : QList<QAction*>{edit, remove} + moveActions)
        action->setEnabled(onNode);
    menu.exec(viewport()->mapToGlobal(at));
}

void MenuTreeView::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(QString::fromLatin1(kNodeMimeType))) {
        event->ignore();
        return;
    }
    // Copy, not move: the view must not remove the dragged item, the page rebuilds the tree.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    HideDropLine();
    setState(NoState);
    const QPoint at = event->position().toPoint();
    emit dropped(PathOf(itemAt(at)), m_pressY, ContentY(at.y()));
}

} // namespace quorlex
