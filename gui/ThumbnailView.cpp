#include "ThumbnailView.h"

#include "QtText.h"
#include "imagetools/ImageNames.h"
#include "imagetools/JpegCodec.h"
#include "imagetools/ThumbnailGrid.h"
#include "util/TextFile.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QImageReader>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QThreadPool>
#include <QToolTip>
#include <QTransform>
#include <atomic>
#include <cstring>
#include <exception>
#include <mutex>

namespace quorlex {

namespace {

const QColor kSelection(0, 0, 128);
const QColor kUnreadable(176, 32, 32);
const QColor kUnreadableFill(252, 236, 236);

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
QImage ReadJpegThumbnail(const QString& path, PixelSize cell, QImageIOHandler::Transformations turn,
                         const std::atomic<bool>& cancel, ThumbnailFacts& facts) {
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        cell = {cell.height, cell.width};
    try {
        const RgbImage decoded = DecodeJpegThumbnail(ReadFileBytes(PathFromQt(path)), cell, cancel);
        QImage image(decoded.width, decoded.height, QImage::Format_RGB888);
        for (int y = 0; y < decoded.height; ++y)
            std::memcpy(image.scanLine(y), decoded.row(y), decoded.rowBytes());
        return Oriented(std::move(image), turn);
    } catch (const std::exception& error) {
        facts.failure = error.what();
        return {};
    }
}

QImage ReadOtherThumbnail(QImageReader& reader, PixelSize cell, ThumbnailFacts& facts) {
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid()) {
        const PixelSize fitted = ThumbnailGrid::Fit({full.width(), full.height()}, cell);
        if (fitted.width < full.width() || fitted.height < full.height())
            reader.setScaledSize(QSize(fitted.width, fitted.height));
    }
    QImage image = reader.read();
    if (image.isNull())
        facts.failure = FromQt(reader.errorString());
    return image;
}

// Runs on a pool thread: reads the picture at the size it is shown, not larger, and what the
// tile tells of the file. A file named as a JPEG that no reader takes is read as one, for the
// decoder to say what is wrong with it.
QImage ReadThumbnail(const QString& path, PixelSize cell, const std::atomic<bool>& cancel, ThumbnailFacts& facts) {
    const QFileInfo info(path);
    facts.name = FromQt(info.fileName());
    facts.bytes = static_cast<std::uint64_t>(info.size());
    QImageReader reader(path);
    const QImageIOHandler::Transformations turn = reader.transformation();
    const QSize stored = reader.size();
    if (stored.isValid())
        facts.pixels = turn.testFlag(QImageIOHandler::TransformationRotate90)
                           ? PixelSize{stored.height(), stored.width()}
                           : PixelSize{stored.width(), stored.height()};
    const bool jpeg = IsJpegFile(path) || (IsJpegName(facts.name) && !reader.canRead());
    QImage image = jpeg ? ReadJpegThumbnail(path, cell, turn, cancel, facts) : ReadOtherThumbnail(reader, cell, facts);
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
    m_tiles = QVector<Tile>(paths.size());
    for (int i = 0; i < paths.size(); ++i)
        m_tiles[i].texts = DescribeThumbnail({FromQt(QFileInfo(paths[i]).fileName()), {}, {}, {}});
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

int ThumbnailView::CaptionHeight() const { return fontMetrics().height() + 4; }

ThumbnailGrid ThumbnailView::Grid() const {
    return ThumbnailGrid(viewport()->width(), m_cell, static_cast<size_t>(m_paths.size()), CaptionHeight());
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
            ThumbnailFacts facts;
            const QImage image = ReadThumbnail(path, cell, batch->cancel, facts);
            const std::lock_guard<std::mutex> lock(batch->mutex);
            if (!batch->cancel)
                QMetaObject::invokeMethod(
                    this, [this, batch, index, image, facts] { Deliver(batch, index, image, facts); },
                    Qt::QueuedConnection);
        });
    }
}

void ThumbnailView::Deliver(const std::shared_ptr<ThumbnailBatch>& batch, int index, const QImage& image,
                            const ThumbnailFacts& facts) {
    if (batch != m_batch || index >= m_tiles.size())
        return;
    m_tiles[index] = {image, DescribeThumbnail(facts)};
    ++m_loaded;
    viewport()->update(CellRect(index));
    emit thumbnailReady(index);
    if (m_loaded == count())
        emit allLoaded();
}

void ThumbnailView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    for (int i = 0; i < count(); ++i)
        if (CellRect(i).intersects(exposed))
            PaintTile(painter, i);
}

void ThumbnailView::PaintTile(QPainter& painter, int index) {
    const ThumbnailGrid grid = Grid();
    const int scroll = verticalScrollBar()->value();
    const auto toView = [scroll](const quorlex::CellRect& r) { return QRect(r.x, r.y - scroll, r.width, r.height); };
    const QRect room = toView(grid.Picture(static_cast<size_t>(index)));
    const Tile& tile = m_tiles[index];
    if (!tile.image.isNull()) {
        QRect target(QPoint(0, 0), tile.image.size());
        target.moveCenter(room.center());
        painter.drawImage(target.topLeft(), tile.image);
    } else if (!tile.texts.reason.empty()) {
        painter.fillRect(room, kUnreadableFill);
        painter.setPen(QPen(kUnreadable, 1, Qt::DashLine));
        painter.drawRect(room.adjusted(0, 0, -1, -1));
        painter.drawText(room.adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, ToQt(tile.texts.reason));
    } else {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(room.adjusted(0, 0, -1, -1));
    }
    const QRect caption = toView(grid.Caption(static_cast<size_t>(index)));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop,
                     fontMetrics().elidedText(ToQt(tile.texts.caption), Qt::ElideMiddle, caption.width()));
    if (m_selected == index) {
        painter.setPen(QPen(kSelection, 2));
        painter.drawRect(CellRect(index).adjusted(1, 1, -1, -1));
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

bool ThumbnailView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const auto index = IndexAt(help->pos()))
        QToolTip::showText(help->globalPos(), ToQt(m_tiles[*index].texts.toolTip), viewport(), CellRect(*index));
    else
        QToolTip::hideText();
    return true;
}

void ThumbnailView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (const auto index = IndexAt(event->position().toPoint()))
        emit activated(*index);
}

} // namespace quorlex
