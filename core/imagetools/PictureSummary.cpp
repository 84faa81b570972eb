#include "imagetools/PictureSummary.h"

#include "imagetools/JpegSize.h"

namespace quorlex {

std::string PictureSummary(const std::optional<PixelSize>& pixels, const std::optional<std::uint64_t>& bytes) {
    std::string summary;
    if (pixels && pixels->width > 0 && pixels->height > 0)
        summary = std::to_string(pixels->width) + " x " + std::to_string(pixels->height) + " pixels";
    if (bytes)
        summary += (summary.empty() ? "" : ", ") + FileSizeText(*bytes);
    return summary;
}

} // namespace quorlex
