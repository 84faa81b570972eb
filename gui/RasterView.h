#pragma once

#include <QImage>
#include <QWidget>

namespace quorlex {

struct RgbImage;

// Paints an RGB raster at its own size, from its top-left corner; the raster is shown in place,
// without a copy, so it must outlive the next Show().
class RasterView : public QWidget {
public:
    explicit RasterView(QWidget* parent = nullptr);

    void Show(const RgbImage& image);
    const QImage& image() const { return m_image; }
    QSize sizeHint() const override { return m_image.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

} // namespace quorlex
