#include "imagetools/ImageZoom.h"

#include <algorithm>
#include <cmath>

namespace quorlex {

namespace {

constexpr double kSteps[] = {1.0 / 16, 1.0 / 12, 1.0 / 8, 1.0 / 6, 1.0 / 4, 1.0 / 3, 1.0 / 2, 2.0 / 3,
                             1.0,      1.5,      2.0,     3.0,     4.0,     6.0,     8.0};

// Scales this close count as equal, so that a step from a step lands on the next one.
constexpr double kTolerance = 1e-6;

} // namespace

double FitZoom(PixelSize image, PixelSize area) {
    if (image.width <= 0 || image.height <= 0 || area.width <= 0 || area.height <= 0)
        return 1.0;
    const double byWidth = static_cast<double>(area.width) / image.width;
    const double byHeight = static_cast<double>(area.height) / image.height;
    return std::clamp(std::min(byWidth, byHeight), kMinZoom, 1.0);
}

double ZoomStepIn(double scale) {
    for (double step : kSteps)
        if (step > scale * (1 + kTolerance))
            return step;
    return kMaxZoom;
}

double ZoomStepOut(double scale) {
    for (auto it = std::rbegin(kSteps); it != std::rend(kSteps); ++it)
        if (*it < scale * (1 - kTolerance))
            return *it;
    return kMinZoom;
}

PixelSize ScaledSize(PixelSize image, double scale) {
    const auto side = [scale](int length) { return std::max(1, static_cast<int>(std::lround(length * scale))); };
    return {side(image.width), side(image.height)};
}

double ImageZoom::Scale(PixelSize image, PixelSize area) const { return m_fitting ? FitZoom(image, area) : m_factor; }

std::string ImageZoom::Label(PixelSize image, PixelSize area) const {
    const std::string percent = std::to_string(std::lround(Scale(image, area) * 100)) + "%";
    return m_fitting ? "Fit: " + percent : percent;
}

void ImageZoom::SetFactor(double factor) {
    m_fitting = false;
    m_factor = std::clamp(factor, kMinZoom, kMaxZoom);
}

} // namespace quorlex
