#pragma once

#include <array>

namespace quorlex {

// The widths the live preview can lay its page out at.
enum class DeviceWidth { Full, Tablet, Phone };

struct DeviceWidthChoice {
    DeviceWidth width;
    const char* caption;
    int pixels; // 0: the whole preview area
};

inline constexpr std::array<DeviceWidthChoice, 3> kDeviceWidths{{
    {DeviceWidth::Full, "Full width", 0},
    {DeviceWidth::Tablet, "Tablet (768 px)", 768},
    {DeviceWidth::Phone, "Phone (375 px)", 375},
}};

// Where the page goes in a preview area `areaWidth` pixels wide: a view `viewWidth` wide, centred,
// showing the page at `zoom`, so that the page is always laid out at the device's width even when
// the area is narrower.
struct PreviewGeometry {
    int viewWidth;
    int left;
    double zoom;
};

PreviewGeometry PreviewGeometryFor(DeviceWidth width, int areaWidth);

} // namespace quorlex
