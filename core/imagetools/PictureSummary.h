#pragma once

#include "imagetools/RgbImage.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorlex {

// The line under a picture's preview: "640 x 480 pixels, 14.2 KB", each part only when known.
std::string PictureSummary(const std::optional<PixelSize>& pixels, const std::optional<std::uint64_t>& bytes);

} // namespace quorlex
