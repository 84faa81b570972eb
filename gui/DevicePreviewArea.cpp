#include "DevicePreviewArea.h"

#include "PreviewBrowser.h"

#include <QPalette>

namespace quorlex {

DevicePreviewArea::DevicePreviewArea(PreviewBrowser* preview, QWidget* parent) : QWidget(parent), m_preview(preview) {
    setObjectName(QStringLiteral("DevicePreviewArea"));
    QPalette shade = palette();
    shade.setColor(QPalette::Window, QColor(0x80, 0x86, 0x8C));
    setPalette(shade);
    setAutoFillBackground(true);
    m_preview->setParent(this);
    // A new page starts at the zoom of its own; it gets the device's again.
    connect(m_preview, &PreviewBrowser::loadFinished, this, &DevicePreviewArea::Place);
}

void DevicePreviewArea::SetDeviceWidth(DeviceWidth width) {
    if (width == m_width)
        return;
    m_width = width;
    Place();
}

void DevicePreviewArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Place();
}

void DevicePreviewArea::Place() {
    const PreviewGeometry geometry = PreviewGeometryFor(m_width, width());
    m_preview->setGeometry(geometry.left, 0, geometry.viewWidth, height());
    if (!qFuzzyCompare(m_preview->zoomFactor(), geometry.zoom))
        m_preview->setZoomFactor(geometry.zoom);
}

} // namespace quorlex
