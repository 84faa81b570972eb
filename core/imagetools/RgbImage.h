#pragma once

#include "imagetools/UninitializedAllocator.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorlex {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize& other) const { return width == other.width && height == other.height; }
};

// A raster of 8-bit red, green and blue pixels, row after row without padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t, UninitializedAllocator<std::uint8_t>> pixels; // width * height * 3 bytes

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h) * 3) {}

    bool empty() const { return pixels.empty(); }
    size_t rowBytes() const { return static_cast<size_t>(width) * 3; }
    std::uint8_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * rowBytes(); }
    const std::uint8_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * rowBytes(); }
    const std::uint8_t* at(int x, int y) const { return row(y) + static_cast<size_t>(x) * 3; }
};

} // namespace quorlex
