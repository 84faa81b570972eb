#include "RasterView.h"

#include "imagetools/ImageZoom.h"
#include "imagetools/RgbImage.h"

#include <QPaintEvent>
#include <QPainter>

namespace quorlex {

RasterView::RasterView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void RasterView::Show(const RgbImage& image) {
    m_image = image.empty() ? QImage()
                            : QImage(image.pixels.data(), image.width, image.height,
                                     static_cast<qsizetype>(image.rowBytes()), QImage::Format_RGB888);
    FitSize();
    update();
}

void RasterView::SetScale(double scale) {
    if (scale == m_scale)
        return;
    m_scale = scale;
    FitSize();
    update();
}

void RasterView::FitSize() {
    if (m_image.isNull()) {
        setFixedSize(0, 0);
        return;
    }
    const PixelSize shown = ScaledSize({m_image.width(), m_image.height()}, m_scale);
    setFixedSize(shown.width, shown.height);
}

// Only the exposed part is drawn, from the part of the raster under it, so a large photo costs
// what the screen shows.
void RasterView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    if (m_image.isNull()) {
        painter.fillRect(area, palette().window());
        return;
    }
    if (m_scale == 1.0) {
        painter.drawImage(area, m_image, area);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double sx = static_cast<double>(m_image.width()) / width();
    const double sy = static_cast<double>(m_image.height()) / height();
    const QRectF source(area.x() * sx, area.y() * sy, area.width() * sx, area.height() * sy);
    painter.drawImage(QRectF(area), m_image, source);
}

} // namespace quorlex
