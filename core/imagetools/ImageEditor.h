#pragma once

#include "imagetools/RgbImage.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

enum class Channel { Red, Green, Blue };

constexpr int kBestJpegQuality = 100;
constexpr int kSmallerJpegQuality = 85;

namespace imagetexts {
constexpr const char* kDiscardEdits = "Close the editor and discard the changes to this image?";
} // namespace imagetexts

// The editor window's size for an image on a screen: the image plus room for the tool bar,
// at most about the screen, at least 690 x 350.
PixelSize EditorWindowSize(PixelSize screen, PixelSize image);

// The JPEG editor: the working image that the operations change, and the adjusted image shown
// and saved, which is the working image with the channel switches and then the brightness
// applied afresh.
class ImageEditor {
public:
    // The image's path relative to the template folder, shown as the window title.
    void SetImagePath(const std::string& path) { m_imagePath = path; }
    const std::string& imagePath() const { return m_imagePath; }

    // Opening and "Revert Changes": reads the file, turns every channel on, the brightness to
    // 0 and the save quality to the best. Throws Error naming the file for a missing or
    // undecodable one, which leaves the editor as it was.
    void Load(const fs::path& file);

    void FlipHorizontal();
    void FlipVertical();
    void InvertColors();
    void Grayscale();

    void SetChannel(Channel channel, bool on);
    bool channel(Channel channel) const { return m_channels[static_cast<size_t>(channel)]; }
    // Brightness from -255 to 255; other values are limited to that range.
    void SetBrightness(int brightness);
    int brightness() const { return m_brightness; }
    // The number beside the slider.
    std::string BrightnessLabel() const { return std::to_string(m_brightness); }

    // The JPEG quality the image is saved at, 1 to 100; other values are limited to that range.
    void SetSaveQuality(int quality);
    int saveQuality() const { return m_saveQuality; }

    // Whether the shown image differs from the file's by an operation or an adjustment since
    // the last load.
    bool HasChanges() const;
    // The question to ask before closing without saving, or nothing when there is nothing to lose.
    std::optional<std::string> CloseQuestion() const;

    const RgbImage& working() const { return m_working; }
    const RgbImage& adjusted() const { return m_adjusted; }
    PixelSize size() const { return {m_working.width, m_working.height}; }

private:
    void Recompute();

    std::string m_imagePath;
    RgbImage m_working;
    RgbImage m_adjusted;
    RgbImage m_spare; // the next decode's target, so that a failed one leaves the working image
    std::array<bool, 3> m_channels{true, true, true};
    int m_brightness = 0;
    int m_saveQuality = kBestJpegQuality;
    bool m_operated = false;
};

} // namespace quorlex
