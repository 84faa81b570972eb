#include "MenuTreeView.h"

#include "QtText.h"
#include "app/RowStyle.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>
#include <functional>

namespace quorlex {

namespace {

constexpr int kScrollEdge = 8;

// A node named by the texts from its top-level node down; node texts hold no line breaks.
QString TextPath(const QTreeWidgetItem* item) {
    QString path = item->text(0);
    for (const QTreeWidgetItem* up = item->parent(); up; up = up->parent())
        path = up->text(0) + QLatin1Char('\n') + path;
    return path;
}

void ForEachItem(QTreeWidgetItem* item, const std::function<void(QTreeWidgetItem*)>& visit) {
    visit(item);
    for (int i = 0; i < item->childCount(); ++i)
        ForEachItem(item->child(i), visit);
}

QTreeWidgetItem* NewItem(const MenuNode& node) {
    auto* item = new QTreeWidgetItem(QStringList(ToQt(node.text)));
    for (const auto& child : node.children)
        item->addChild(NewItem(child));
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
    setHeaderHidden(true);
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
        items << NewItem(node);
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
    event->acceptProposedAction();
}

void MenuTreeView::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(QString::fromLatin1(kNodeMimeType))) {
        event->ignore();
        return;
    }
    // Copy, not move: the view must not remove the dragged item, the page rebuilds the tree.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setState(NoState);
    const QPoint at = event->position().toPoint();
    emit dropped(PathOf(itemAt(at)), m_pressY, ContentY(at.y()));
}

} // namespace quorlex
