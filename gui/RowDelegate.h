#pragma once

#include <QStyledItemDelegate>

namespace quorlex {

// Paints the rows of the main window's lists: zebra rows, navy selection with white text,
// fixed 16-pixel rows, text from the top-left corner.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace quorlex
