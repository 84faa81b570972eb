#pragma once

#include "MenuTreeView.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>

namespace quorlex::test {

// A drag of the tree's own node that enters over `target`, then ends with an event of type
// `Last` (a move or a drop).
template <typename Last>
void DragNodeTo(MenuTreeView* tree, QTreeWidgetItem* target) {
    QMimeData mime;
    mime.setData(QString::fromLatin1(MenuTreeView::kNodeMimeType), {});
    const QPoint at = tree->visualItemRect(target).center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree->viewport(), &enter);
    Last last(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree->viewport(), &last);
}

// Moves a drag of the tree's own node over `target`, as the pointer does before the drop.
inline void DragOver(MenuTreeView* tree, QTreeWidgetItem* target) { DragNodeTo<QDragMoveEvent>(tree, target); }

// Drops the tree's own node on `target`, entering first as a real drag does. The node that
// moves is the selected one; the direction comes from the last press on the tree.
inline void DropOn(MenuTreeView* tree, QTreeWidgetItem* target) { DragNodeTo<QDropEvent>(tree, target); }

// An item's caption, link and target columns joined as the node's text joins them.
inline QString Columns(const QTreeWidgetItem* item) {
    return item->text(0) + QLatin1Char('|') + item->text(1) + QLatin1Char('|') + item->text(2);
}

} // namespace quorlex::test
