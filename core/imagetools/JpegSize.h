#pragma once

#include "imagetools/RgbImage.h"
#include "util/FileSizeText.h"

#include <cstdint>
#include <string>

namespace quorlex {

struct JpegSizeEstimate {
    std::uint64_t bytes = 0;
    bool exact = false; // the whole image was encoded
};

// The size of the file EncodeJpeg writes for the image. An image of more than `samplePixels`
// is measured on evenly spread bands of whole rows, aligned to the coder's 8 x 8 blocks so that
// they encode as in the whole image, and scaled up by its height. Throws Error.
JpegSizeEstimate EstimateJpegSize(const RgbImage& image, int quality, std::uint64_t samplePixels = 1'000'000);


// The save dialog's line, e.g. "File size: about 28.7 MB".
std::string JpegSizeText(const JpegSizeEstimate& estimate);

} // namespace quorlex
