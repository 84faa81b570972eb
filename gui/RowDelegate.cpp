#include "RowDelegate.h"

#include "app/RowStyle.h"

#include <QPainter>

namespace quorlex {

namespace {

QColor ToColor(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

QFont RowFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(RowStyle::kFontPixels);
    return font;
}

} // namespace

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect, ToColor(RowStyle::Fill(index.row(), selected)));
    painter->setFont(RowFont());
    painter->setPen(RowStyle::WhiteText(selected) ? QColor(Qt::white) : option.palette.color(QPalette::Text));
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), RowStyle::kRowHeight};
}

} // namespace quorlex
