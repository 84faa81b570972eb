#include "app/ToolPlacement.h"

#include <algorithm>

namespace quorlex {

namespace {

constexpr int kGap = 8;

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

} // namespace

ScreenBox PlaceBesidePreview(const ScreenBox& screen, const ScreenBox& preview, int width, int height) {
    ScreenBox box{0, 0, std::min(width, screen.width), std::min(height, screen.height)};
    const int besideY = Clamp(preview.y, screen.y, screen.bottom() - box.height);
    if (preview.right() + kGap + box.width <= screen.right()) {
        box.x = preview.right() + kGap;
        box.y = besideY;
    } else if (preview.x - kGap - box.width >= screen.x) {
        box.x = preview.x - kGap - box.width;
        box.y = besideY;
    } else {
        box.x = screen.right() - box.width;
        box.y = Clamp(preview.y - box.height, screen.y, screen.bottom() - box.height);
    }
    return box;
}

} // namespace quorlex
