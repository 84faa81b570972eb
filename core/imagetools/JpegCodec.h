#pragma once

#include "imagetools/RgbImage.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorlex {

// What a decode may cost: a file from anywhere must not exhaust memory or time.
struct JpegLimits {
    std::uint64_t maxPixels = 100'000'000;
    long maxMemory = 1024L * 1024 * 1024; // the decoder's own buffers
    int maxScans = 100;                   // progressive files have a dozen or so
};

// Decodes a JPEG file's bytes into RGB. Grayscale files give equal channels; CMYK and YCCK
// files are converted from their ink values (inverted ones when an Adobe marker says so).
// Throws Error with the decoder's message for a damaged, truncated or oversized file; a file
// the decoder only warns about (corrupt data, a premature end) counts as damaged.
RgbImage DecodeJpeg(std::string_view bytes, const JpegLimits& limits = {});

// The same into an image whose memory is reused, which spares a large picture the cost of
// fresh pages. After a failure the image's content is undefined.
void DecodeJpegInto(std::string_view bytes, RgbImage& image, const JpegLimits& limits = {});

// A thumbnail for a browser cell: decoded at the smallest of the decoder's scales (1/8 to 1)
// that still covers ThumbnailGrid::Fit of the picture in `cell`, under the same limits and
// with the same errors as DecodeJpeg. Setting `cancel` from another thread stops the decode at
// its next scan or batch of rows with an Error.
RgbImage DecodeJpegThumbnail(std::string_view bytes, PixelSize cell, const std::atomic<bool>& cancel,
                             const JpegLimits& limits = {});

// Whether the bytes begin as a JPEG file does.
bool IsJpegData(std::string_view bytes);

// A baseline (not progressive) JPEG with three full-resolution components at the given
// quality; throws Error.
std::string EncodeJpeg(const RgbImage& image, int quality = 100);

} // namespace quorlex
