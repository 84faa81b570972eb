#pragma once

#include "preview/DeviceWidth.h"

#include <QWidget>

namespace quorlex {

class PreviewBrowser;

// The live preview's area: the view at full width, or at a device's width centred on a shaded
// ground.
class DevicePreviewArea : public QWidget {
    Q_OBJECT
public:
    DevicePreviewArea(PreviewBrowser* preview, QWidget* parent = nullptr);

    void SetDeviceWidth(DeviceWidth width);
    DeviceWidth deviceWidth() const { return m_width; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Place();

    PreviewBrowser* m_preview;
    DeviceWidth m_width = DeviceWidth::Full;
};

} // namespace quorlex
