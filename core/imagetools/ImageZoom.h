#pragma once

#include "imagetools/RgbImage.h"

#include <string>

namespace quorlex {

constexpr double kMinZoom = 1.0 / 16;
constexpr double kMaxZoom = 8.0;

// The largest scale at which the whole image fits in the area, never above 1:1 and never below
// kMinZoom; 1 when there is nothing to fit.
double FitZoom(PixelSize image, PixelSize area);

// The next zoom step above or below a scale, limited to kMinZoom..kMaxZoom.
double ZoomStepIn(double scale);
double ZoomStepOut(double scale);

// The painted size of an image at a scale: rounded, at least one pixel a side.
PixelSize ScaledSize(PixelSize image, double scale);

// How the editor paints its image: fitted to the view (the start), or at a factor of the user's.
class ImageZoom {
public:
    double Scale(PixelSize image, PixelSize area) const;
    bool fitting() const { return m_fitting; }

    void Fit() { m_fitting = true; }
    void ActualSize() { SetFactor(1.0); }
    // A step from the scale shown now, which is the fitted one while fitting.
    void In(PixelSize image, PixelSize area) { SetFactor(ZoomStepIn(Scale(image, area))); }
    void Out(PixelSize image, PixelSize area) { SetFactor(ZoomStepOut(Scale(image, area))); }

    // The scale as the tool bar shows it, e.g. "25%" or "Fit: 33%".
    std::string Label(PixelSize image, PixelSize area) const;

private:
    void SetFactor(double factor);

    bool m_fitting = true;
    double m_factor = 1.0;
};

} // namespace quorlex
