#pragma once

#include "MenuTreeView.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>

namespace quorlex::test {

// Drops the tree's own node on `target`, entering first as a real drag does. The node that
// moves is the selected one; the direction comes from the last press on the tree.
inline void DropOn(MenuTreeView* tree, QTreeWidgetItem* target) {
    QMimeData mime;
    mime.setData(QString::fromLatin1(MenuTreeView::kNodeMimeType), {});
    const QPoint at = tree->visualItemRect(target).center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree->viewport(), &drop);
}

} // namespace quorlex::test
