#pragma once

namespace quorlex {

// A rectangle in screen pixels.
struct ScreenBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
};

// Where a tool window (the color chooser) opens so that the live preview stays in sight: right
// of the preview when it fits on the screen, else left of it, else at the screen's right edge
// just above the preview's top (over the customization area), always kept on the screen.
ScreenBox PlaceBesidePreview(const ScreenBox& screen, const ScreenBox& preview, int width, int height);

} // namespace quorlex
