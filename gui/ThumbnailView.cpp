#include "ThumbnailView.h"

#include "QtText.h"
#include "imagetools/JpegCodec.h"
#include "imagetools/ThumbnailGrid.h"
#include "util/TextFile.h"

#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QThreadPool>
#include <QTransform>
#include <atomic>
#include <cstring>
#include <exception>
#include <mutex>

namespace quorlex {

namespace {

const QColor kSelection(0, 0, 128);

// The pool the thumbnails are decoded on. It outlives the views, so that no view waits for a
// decode it has given up.
QThreadPool& DecodePool() {
    static QThreadPool pool;
    return pool;
}

bool IsJpegFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(2);
    return IsJpegData(std::string_view(head.constData(), static_cast<size_t>(head.size())));
}

// The stored picture turned as its Exif orientation says, as Qt's readers do it.
QImage Oriented(QImage image, QImageIOHandler::Transformations turn) {
    image = std::move(image).mirrored(turn.testFlag(QImageIOHandler::TransformationMirror),
                                      turn.testFlag(QImageIOHandler::TransformationFlip));
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
    return image;
}

// JPEG files go through the editor's decoder, with its limits, and `cancel` can stop them.
QImage ReadJpegThumbnail(const QString& path, PixelSize cell, const std::atomic<bool>& cancel) {
    const QImageIOHandler::Transformations turn = QImageReader(path).transformation();
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        cell = {cell.height, cell.width};
    try {
        const RgbImage decoded = DecodeJpegThumbnail(ReadFileBytes(PathFromQt(path)), cell, cancel);
        QImage image(decoded.width, decoded.height, QImage::Format_RGB888);
        for (int y = 0; y < decoded.height; ++y)
            std::memcpy(image.scanLine(y), decoded.row(y), decoded.rowBytes());
        return Oriented(std::move(image), turn);
    } catch (const std::exception&) {
        return {}; // an empty frame
    }
}

QImage ReadOtherThumbnail(const QString& path, PixelSize cell) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid()) {
        const PixelSize fitted = ThumbnailGrid::Fit({full.width(), full.height()}, cell);
        if (fitted.width < full.width() || fitted.height < full.height())
            reader.setScaledSize(QSize(fitted.width, fitted.height));
    }
    return reader.read();
}

// Runs on a pool thread: reads the picture at the size it is shown, not larger.
QImage ReadThumbnail(const QString& path, PixelSize cell, const std::atomic<bool>& cancel) {
    QImage image = IsJpegFile(path) ? ReadJpegThumbnail(path, cell, cancel) : ReadOtherThumbnail(path, cell);
    if (image.isNull())
        return image;
    const PixelSize fitted = ThumbnailGrid::Fit({image.width(), image.height()}, cell);
    if (fitted.width < image.width() || fitted.height < image.height())
        image = image.scaled(fitted.width, fitted.height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

// The decodes of one loading. Stop() sets `cancel` under the lock, and a decode hands its
// picture to the view only under the lock and while `cancel` is clear, so nothing reaches a
// view that has stopped, or is gone.
struct ThumbnailBatch {
    std::atomic<bool> cancel{false};
    std::mutex mutex;
};

ThumbnailView::ThumbnailView(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

ThumbnailView::~ThumbnailView() { Stop(); }

void ThumbnailView::Stop() {
    if (!m_batch)
        return;
    {
        const std::lock_guard<std::mutex> lock(m_batch->mutex);
        m_batch->cancel = true;
    }
    m_batch.reset();
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
    m_batch = std::make_shared<ThumbnailBatch>();
    const int total = count();
    // The cells on screen come first, then the rest from the top.
    const auto first = IndexAt(QPoint(0, 0)).value_or(0) / Grid().columns() * Grid().columns();
    for (int n = 0; n < total; ++n) {
        const int index = (first + n) % total;
        DecodePool().start([this, batch = m_batch, index, path = m_paths[index], cell = m_cell] {
            if (batch->cancel)
                return;
            const QImage image = ReadThumbnail(path, cell, batch->cancel);
            const std::lock_guard<std::mutex> lock(batch->mutex);
            if (!batch->cancel)
                QMetaObject::invokeMethod(
                    this, [this, batch, index, image] { Deliver(batch, index, image); }, Qt::QueuedConnection);
        });
    }
}

void ThumbnailView::Deliver(const std::shared_ptr<ThumbnailBatch>& batch, int index, const QImage& image) {
    if (batch != m_batch || index >= m_thumbnails.size())
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
