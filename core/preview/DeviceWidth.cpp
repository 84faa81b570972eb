#include "preview/DeviceWidth.h"

#include <algorithm>

namespace quorlex {

PreviewGeometry PreviewGeometryFor(DeviceWidth width, int areaWidth) {
    areaWidth = std::max(areaWidth, 1);
    const auto choice = std::find_if(kDeviceWidths.begin(), kDeviceWidths.end(),
                                     [width](const DeviceWidthChoice& c) { return c.width == width; });
    if (choice == kDeviceWidths.end() || choice->pixels == 0)
        return {areaWidth, 0, 1.0};
    if (choice->pixels <= areaWidth)
        return {choice->pixels, (areaWidth - choice->pixels) / 2, 1.0};
    return {areaWidth, 0, static_cast<double>(areaWidth) / choice->pixels};
}

} // namespace quorlex
