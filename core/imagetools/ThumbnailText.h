#pragma once

#include "imagetools/RgbImage.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorlex {

// What the browser learnt of one file while reading its thumbnail.
struct ThumbnailFacts {
    std::string name;                   // program text
    std::optional<std::uint64_t> bytes; // the file's size
    std::optional<PixelSize> pixels;    // the picture's size, when its header was readable
    std::optional<std::string> failure; // the reader's message when no picture came out
};

struct ThumbnailTexts {
    std::string caption; // under the picture: the file name
    std::string reason;  // in place of the picture, or empty: "cannot read: not a JPEG file"
    std::string toolTip; // the name, the file size, the pixel size and the reason, a line each
};

ThumbnailTexts DescribeThumbnail(const ThumbnailFacts& facts);

} // namespace quorlex
