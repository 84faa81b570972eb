#include "ThumbnailView.h"

#include "imagetools/ThumbnailGrid.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace quorlex {

namespace {

const QColor kSelection(0, 0, 128);

// Runs on a pool thread: reads the picture at the size it is shown, not larger.
QImage ReadThumbnail(const QString& path, PixelSize cell) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid()) {
        const PixelSize fitted = ThumbnailGrid::Fit({full.width(), full.height()}, cell);
        if (fitted.width < full.width() || fitted.height < full.height())
            reader.setScaledSize(QSize(fitted.width, fitted.height));
    }
    QImage image = reader.read();
    if (image.isNull())
        return image;
    const PixelSize fitted = ThumbnailGrid::Fit({image.width(), image.height()}, cell);
    if (fitted.width < image.width() || fitted.height < image.height())
        image = image.scaled(fitted.width, fitted.height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

ThumbnailView::ThumbnailView(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

ThumbnailView::~ThumbnailView() { Stop(); }

void ThumbnailView::Stop() {
    ++*m_generation;
    m_pool.clear();
    m_pool.waitForDone();
}

void ThumbnailView::SetFiles(const QStringList& paths, PixelSize cell, std::optional<int> selected) {
    Stop();
    m_paths = paths;
    m_cell = cell;
    m_selected = selected;
    m_thumbnails = QVector<QImage>(paths.size());
    m_loaded = 0;
    verticalScrollBar()->setValue(0);
    m_pendingStart = true;
    if (isVisible()) {
        Relayout();
        StartLoading();
    }
}

void ThumbnailView::SetCellSize(PixelSize cell) {
    if (cell == m_cell)
        return;
    SetFiles(m_paths, cell, m_selected);
}

ThumbnailGrid ThumbnailView::Grid() const {
    return ThumbnailGrid(viewport()->width(), m_cell, static_cast<size_t>(m_paths.size()));
}

QRect ThumbnailView::CellRect(int index) const {
    const quorlex::CellRect cell = Grid().Cell(static_cast<size_t>(index));
    return QRect(cell.x, cell.y - verticalScrollBar()->value(), cell.width, cell.height);
}

std::optional<int> ThumbnailView::IndexAt(const QPoint& point) const {
    const auto index = Grid().CellAt(point.x(), point.y() + verticalScrollBar()->value());
    return index ? std::optional<int>(static_cast<int>(*index)) : std::nullopt;
}

void ThumbnailView::Relayout() {
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, Grid().height() - viewport()->height()));
    bar->setPageStep(viewport()->height());
    bar->setSingleStep(m_cell.height / 4);
    viewport()->update();
}

void ThumbnailView::ScrollTo(int index) {
    const QRect cell = CellRect(index);
    QScrollBar* bar = verticalScrollBar();
    if (cell.top() < 0)
        bar->setValue(bar->value() + cell.top());
    else if (cell.bottom() > viewport()->height())
        bar->setValue(bar->value() + cell.bottom() - viewport()->height() + 1);
}

void ThumbnailView::StartLoading() {
    m_pendingStart = false;
    if (m_selected)
        ScrollTo(*m_selected);
    const int generation = *m_generation;
    const int total = count();
    // The cells on screen come first, then the rest from the top.
    const auto first = IndexAt(QPoint(0, 0)).value_or(0) / Grid().columns() * Grid().columns();
    for (int n = 0; n < total; ++n) {
        const int index = (first + n) % total;
        m_pool.start([this, generation, index, path = m_paths[index], cell = m_cell, current = m_generation] {
            if (*current != generation)
                return;
            const QImage image = ReadThumbnail(path, cell);
            QMetaObject::invokeMethod(
                this, [this, generation, index, image] { Deliver(generation, index, image); }, Qt::QueuedConnection);
        });
    }
}

void ThumbnailView::Deliver(int generation, int index, const QImage& image) {
    if (generation != *m_generation || index >= m_thumbnails.size())
        return;
    m_thumbnails[index] = image;
    ++m_loaded;
    viewport()->update(CellRect(index));
    emit thumbnailReady(index);
    if (m_loaded == count())
        emit allLoaded();
}

void ThumbnailView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    for (int i = 0; i < count(); ++i) {
        const QRect cell = CellRect(i);
        if (!cell.intersects(exposed))
            continue;
        const QRect room = cell.adjusted(ThumbnailGrid::kMargin, ThumbnailGrid::kMargin, -ThumbnailGrid::kMargin,
                                         -ThumbnailGrid::kMargin);
        const QImage& image = m_thumbnails[i];
        if (image.isNull()) {
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(room.adjusted(0, 0, -1, -1));
        } else {
            QRect target(QPoint(0, 0), image.size());
            target.moveCenter(room.center());
            painter.drawImage(target.topLeft(), image);
        }
        if (m_selected == i) {
            painter.setPen(QPen(kSelection, 2));
            painter.drawRect(cell.adjusted(1, 1, -1, -1));
        }
    }
}

void ThumbnailView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void ThumbnailView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    Relayout();
    if (m_pendingStart)
        StartLoading();
}

void ThumbnailView::mousePressEvent(QMouseEvent* event) {
    const auto index = IndexAt(event->position().toPoint());
    if (!index || index == m_selected)
        return;
    m_selected = index;
    viewport()->update();
    emit selectionChanged(*index);
}

void ThumbnailView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (const auto index = IndexAt(event->position().toPoint()))
        emit activated(*index);
}

} // namespace quorlex
