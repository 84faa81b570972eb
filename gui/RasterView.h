#pragma once

#include <QImage>
#include <QWidget>

namespace quorlex {

struct RgbImage;

// Paints an RGB raster from its top-left corner at a scale; the raster is shown in place,
// without a copy, so it must outlive the next Show().
class RasterView : public QWidget {
public:
    explicit RasterView(QWidget* parent = nullptr);

    void Show(const RgbImage& image);
    void SetScale(double scale);
    double scale() const { return m_scale; }
    const QImage& image() const { return m_image; }
    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FitSize();

    QImage m_image;
    double m_scale = 1.0;
};

} // namespace quorlex
