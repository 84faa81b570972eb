#include "imagetools/ImageEditor.h"

#include "imagetools/JpegCodec.h"
#include "util/Error.h"
#include "util/NativeNames.h"
#include "util/TextFile.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace quorlex {

namespace {

constexpr const char* kCannotLoad = "Error: cannot load image!";

// A period of the channel mask that holds whole pixels and whole vector registers, so the
// inner loops run over plain bytes and vectorize.
constexpr size_t kMaskPeriod = 48;

template <typename Op>
void ForEachMaskedByte(const decltype(RgbImage::pixels)& in, decltype(RgbImage::pixels)& out,
                       const std::array<bool, 3>& on, Op op) {
    std::uint8_t mask[kMaskPeriod];
    for (size_t j = 0; j < kMaskPeriod; ++j)
        mask[j] = on[j % 3] ? 0xFF : 0x00;
    const size_t n = in.size();
    const std::uint8_t* src = in.data();
    std::uint8_t* dst = out.data();
    size_t i = 0;
    for (; i + kMaskPeriod <= n; i += kMaskPeriod)
        for (size_t j = 0; j < kMaskPeriod; ++j)
            dst[i + j] = op(static_cast<std::uint8_t>(src[i + j] & mask[j]));
    for (size_t j = 0; i < n; ++i, ++j)
        dst[i] = op(static_cast<std::uint8_t>(src[i] & mask[j]));
}

} // namespace

PixelSize EditorWindowSize(PixelSize screen, PixelSize image) {
    PixelSize size;
    size.width = image.width < screen.width - 30 ? image.width + 30 : screen.width - 30;
    size.height = image.height < screen.height - 130 ? image.height + 130 : screen.height - 50;
    size.width = std::max(size.width, 690);
    size.height = std::max(size.height, 350);
    return size;
}

void ImageEditor::Load(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        throw Error(std::string(kCannotLoad) + "\n" + PathToProgramText(file) + " was not found.");
    const std::string bytes = ReadFileBytes(file);
    try {
        DecodeJpegInto(bytes, m_spare);
    } catch (const Error& error) {
        throw Error("The image " + PathToProgramText(file) + " cannot be opened: " + error.what());
    }
    std::swap(m_working, m_spare);
    m_channels = {true, true, true};
    m_brightness = 0;
    m_saveQuality = kBestJpegQuality;
    m_operated = false;
    Recompute();
}

void ImageEditor::SetSaveQuality(int quality) { m_saveQuality = std::clamp(quality, 1, kBestJpegQuality); }

bool ImageEditor::HasChanges() const {
    return m_operated || m_brightness != 0 || !(m_channels[0] && m_channels[1] && m_channels[2]);
}

std::optional<std::string> ImageEditor::CloseQuestion() const {
    if (!HasChanges())
        return std::nullopt;
    return std::string(imagetexts::kDiscardEdits);
}

void ImageEditor::FlipHorizontal() {
    m_operated = true;
    const int w = m_working.width;
    for (int y = 0; y < m_working.height; ++y) {
        std::uint8_t* left = m_working.row(y);
        std::uint8_t* right = left + static_cast<size_t>(w - 1) * 3;
        for (; left < right; left += 3, right -= 3) {
            std::swap(left[0], right[0]);
            std::swap(left[1], right[1]);
            std::swap(left[2], right[2]);
        }
    }
    Recompute();
}

void ImageEditor::FlipVertical() {
    m_operated = true;
    const size_t bytes = m_working.rowBytes();
    for (int top = 0, bottom = m_working.height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(m_working.row(top), m_working.row(top) + bytes, m_working.row(bottom));
    Recompute();
}

void ImageEditor::InvertColors() {
    m_operated = true;
    for (std::uint8_t& v : m_working.pixels)
        v = static_cast<std::uint8_t>(255 - v);
    Recompute();
}

void ImageEditor::Grayscale() {
    m_operated = true;
    std::uint8_t* p = m_working.pixels.data();
    std::uint8_t* const end = p + m_working.pixels.size();
    for (; p < end; p += 3) {
        const auto g = static_cast<std::uint8_t>((unsigned{p[0]} + p[1] + p[2]) / 3);
        p[0] = p[1] = p[2] = g;
    }
    Recompute();
}

void ImageEditor::SetChannel(Channel channel, bool on) {
    m_channels[static_cast<size_t>(channel)] = on;
    Recompute();
}

void ImageEditor::SetBrightness(int brightness) {
    m_brightness = std::clamp(brightness, -255, 255);
    Recompute();
}

void ImageEditor::Recompute() {
    m_adjusted.width = m_working.width;
    m_adjusted.height = m_working.height;
    m_adjusted.pixels.resize(m_working.pixels.size());
    const bool allOn = m_channels[0] && m_channels[1] && m_channels[2];
    if (allOn && m_brightness == 0) {
        std::memcpy(m_adjusted.pixels.data(), m_working.pixels.data(), m_working.pixels.size());
        return;
    }
    // A switched-off channel reads as 0 before the brightness, so it shows max(b, 0).
    const auto amount = static_cast<std::uint8_t>(std::abs(m_brightness));
    if (m_brightness >= 0)
        ForEachMaskedByte(m_working.pixels, m_adjusted.pixels, m_channels, [amount](std::uint8_t v) {
            return static_cast<std::uint8_t>(v + std::min<std::uint8_t>(amount, static_cast<std::uint8_t>(255 - v)));
        });
    else
        ForEachMaskedByte(m_working.pixels, m_adjusted.pixels, m_channels, [amount](std::uint8_t v) {
            return static_cast<std::uint8_t>(v - std::min<std::uint8_t>(amount, v));
        });
}

} // namespace quorlex
