#include "SwatchList.h"

#include "ListRows.h"
#include "QtColor.h"
#include "QtText.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace quorlex {

namespace {

QIcon SwatchIcon(Color color) {
    QPixmap pixmap(18, 12);
    QPainter painter(&pixmap);
    if (color == NoneColor) {
        pixmap.fill(Qt::white);
        painter.setPen(Qt::red);
        painter.drawLine(0, 11, 17, 0);
    } else {
        pixmap.fill(ToQColor(color));
    }
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 17, 11);
    return QIcon(pixmap);
}

} // namespace

SwatchList::SwatchList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("ColorBox"));
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setIconSize(QSize(18, 12));
    setGridSize(QSize(112, 17));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void SwatchList::Show(const std::vector<Swatch>& swatches, std::optional<size_t> selected) {
    const QSignalBlocker blocker(this);
    if (count() != static_cast<int>(swatches.size())) {
        clear();
        m_iconColors.clear();
        for (const Swatch& swatch : swatches)
            addItem(ToQt(swatch.name));
    }
    // Only the "Custom..." color changes from one call to the next; its neighbours keep their icons.
    for (size_t i = 0; i < swatches.size(); ++i)
        if (i >= m_iconColors.size() || m_iconColors[i] != swatches[i].color)
            item(static_cast<int>(i))->setIcon(SwatchIcon(swatches[i].color));
    m_iconColors.clear();
    for (const Swatch& swatch : swatches)
        m_iconColors.push_back(swatch.color);
    ShowSelectedRow(this, selected);
}

void SwatchList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed(currentRow());
        return;
    }
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0)
        emit movedByKey(currentRow());
}

} // namespace quorlex
