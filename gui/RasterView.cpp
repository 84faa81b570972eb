#include "RasterView.h"

#include "imagetools/RgbImage.h"

#include <QPaintEvent>
#include <QPainter>

namespace quorlex {

RasterView::RasterView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void RasterView::Show(const RgbImage& image) {
    m_image = image.empty() ? QImage()
                            : QImage(image.pixels.data(), image.width, image.height,
                                     static_cast<qsizetype>(image.rowBytes()), QImage::Format_RGB888);
    setFixedSize(m_image.size());
    update();
}

void RasterView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    if (m_image.isNull())
        painter.fillRect(area, palette().window());
    else
        painter.drawImage(area, m_image, area);
}

} // namespace quorlex
