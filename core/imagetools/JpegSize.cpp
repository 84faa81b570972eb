#include "imagetools/JpegSize.h"

#include "imagetools/JpegCodec.h"

#include <algorithm>
#include <cstring>

namespace quorlex {

namespace {

constexpr int kBandRows = 16;

// `bands` bands of kBandRows rows, spread over the image from its top to its bottom.
RgbImage SampleBands(const RgbImage& image, int bands) {
    RgbImage sample(image.width, bands * kBandRows);
    const int lastStart = (image.height - kBandRows) / 8 * 8;
    for (int band = 0; band < bands; ++band) {
        const int start =
            bands == 1 ? 0 : static_cast<int>(static_cast<long long>(lastStart) * band / (bands - 1)) / 8 * 8;
        std::memcpy(sample.row(band * kBandRows), image.row(start), image.rowBytes() * kBandRows);
    }
    return sample;
}

} // namespace

JpegSizeEstimate EstimateJpegSize(const RgbImage& image, int quality, std::uint64_t samplePixels) {
    const std::uint64_t bandPixels = static_cast<std::uint64_t>(image.width) * kBandRows;
    const std::uint64_t bands = bandPixels == 0 ? 0 : std::max<std::uint64_t>(1, samplePixels / bandPixels);
    if (bands * kBandRows >= static_cast<std::uint64_t>(image.height))
        return {EncodeJpeg(image, quality).size(), true};
    const int count = static_cast<int>(bands);
    const std::uint64_t sampleBytes = EncodeJpeg(SampleBands(image, count), quality).size();
    return {sampleBytes * static_cast<std::uint64_t>(image.height) / (bands * kBandRows), false};
}

std::string JpegSizeText(const JpegSizeEstimate& estimate) {
    return std::string("File size: ") + (estimate.exact ? "" : "about ") + FileSizeText(estimate.bytes);
}

} // namespace quorlex
