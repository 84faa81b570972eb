#include "imagetools/JpegCodec.h"

#include "support/JpegSamples.h"
#include "util/Error.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

std::string DecodeError(const std::string& bytes, const JpegLimits& limits = {}) {
    try {
        DecodeJpeg(bytes, limits);
    } catch (const Error& error) {
        return error.what();
    }
    return "<decoded>";
}

// Offset of the first marker segment 0xFF `code`, or npos.
size_t FindMarker(const std::string& bytes, unsigned char code) {
    for (size_t i = 2; i + 3 < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) != 0xFF)
            return std::string::npos;
        if (static_cast<unsigned char>(bytes[i + 1]) == code)
            return i;
        i += 2 + (static_cast<unsigned char>(bytes[i + 2]) << 8 | static_cast<unsigned char>(bytes[i + 3]));
    }
    return std::string::npos;
}

// The first scan with its entropy-coded data, up to the next marker.
std::string FirstScan(const std::string& bytes) {
    const size_t start = FindMarker(bytes, 0xDA);
    size_t i =
        start + 2 + (static_cast<unsigned char>(bytes[start + 2]) << 8 | static_cast<unsigned char>(bytes[start + 3]));
    while (!(static_cast<unsigned char>(bytes[i]) == 0xFF && bytes[i + 1] != 0 &&
             (static_cast<unsigned char>(bytes[i + 1]) < 0xD0 || static_cast<unsigned char>(bytes[i + 1]) > 0xD7)))
        ++i;
    return bytes.substr(start, i - start);
}

int MaxDifference(const RgbImage& a, const RgbImage& b) {
    int worst = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        worst = std::max(worst, std::abs(int{a.pixels[i]} - int{b.pixels[i]}));
    return worst;
}

} // namespace

TEST(JpegCodec, WritesABaselineThreeComponentQuality100FileThatDecodesBack) {
    const RgbImage original = GradientImage(97, 61);
    const std::string file = EncodeJpeg(original);
    const size_t sof = FindMarker(file, 0xC0);
    ASSERT_NE(sof, std::string::npos) << "not a baseline frame";
    EXPECT_EQ(FindMarker(file, 0xC2), std::string::npos);
    EXPECT_EQ(file[sof + 9], 3) << "components";
    // Quality 100 on the library's scale makes every quantization step 1.
    size_t dqt = FindMarker(file, 0xDB);
    ASSERT_NE(dqt, std::string::npos);
    const size_t length = static_cast<unsigned char>(file[dqt + 2]) << 8 | static_cast<unsigned char>(file[dqt + 3]);
    for (size_t at = dqt + 4; at < dqt + 2 + length; at += 65) {
        ASSERT_EQ(file[at] & 0xF0, 0) << "8-bit table";
        for (size_t k = 1; k <= 64; ++k)
            ASSERT_EQ(file[at + k], 1);
    }
    const RgbImage decoded = DecodeJpeg(file);
    ASSERT_EQ(decoded.width, 97);
    ASSERT_EQ(decoded.height, 61);
    EXPECT_LE(MaxDifference(decoded, original), 3);
}

TEST(JpegCodec, GrayAndCmykFilesBecomeRgb) {
    const RgbImage gray = DecodeJpeg(SolidJpeg(8, 8, SampleSpace::Gray, {90}));
    EXPECT_EQ(gray.pixels[0], 90);
    EXPECT_EQ(gray.pixels[1], 90);
    EXPECT_EQ(gray.pixels[2], 90);
    // Ink: no cyan, full magenta and yellow, a quarter black -> a darkened red.
    const RgbImage plain = DecodeJpeg(SolidJpeg(8, 8, SampleSpace::Cmyk, {0, 255, 255, 64}));
    EXPECT_NEAR(plain.pixels[0], 191, 2);
    EXPECT_NEAR(plain.pixels[1], 0, 2);
    EXPECT_NEAR(plain.pixels[2], 0, 2);
    // The same colour as Adobe stores it, each value inverted.
    const RgbImage adobe = DecodeJpeg(SolidJpeg(8, 8, SampleSpace::AdobeCmyk, {255, 0, 0, 191}));
    EXPECT_NEAR(adobe.pixels[0], 191, 2);
    EXPECT_NEAR(adobe.pixels[1], 0, 2);
    EXPECT_NEAR(adobe.pixels[2], 0, 2);
}

TEST(JpegCodec, DamagedFilesGiveTheDecodersMessage) {
    const std::string good = EncodeJpeg(GradientImage(64, 64));
    EXPECT_NE(DecodeError(good.substr(0, good.size() / 2)).find("Premature end"), std::string::npos);
    EXPECT_NE(DecodeError("GIF89a not a jpeg").find("Not a JPEG file"), std::string::npos);
    EXPECT_NE(DecodeError(""), "<decoded>");
    EXPECT_NE(DecodeError(good.substr(0, 30)), "<decoded>");
}

TEST(JpegCodec, AHeaderClaimingHugeDimensionsIsRefusedBeforeDecoding) {
    std::string file = EncodeJpeg(GradientImage(16, 16));
    const size_t sof = FindMarker(file, 0xC0);
    for (size_t at : {sof + 5, sof + 7}) { // height, then width: 60000 each
        file[at] = static_cast<char>(60000 >> 8);
        file[at + 1] = static_cast<char>(60000 & 0xFF);
    }
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(DecodeError(file).find("too large (60000 x 60000 pixels)"), std::string::npos);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(JpegCodec, ThousandsOfProgressiveScansAreCutShort) {
    std::string file = ProgressiveJpeg(64, 64);
    ASSERT_NO_THROW(DecodeJpeg(file));
    const std::string scan = FirstScan(file);
    std::string repeated;
    for (int i = 0; i < 5000; ++i)
        repeated += scan;
    file.insert(FindMarker(file, 0xDA), repeated);
    EXPECT_NE(DecodeError(file).find("more than 100 scans"), std::string::npos);
}

TEST(JpegCodec, TheMemoryLimitHoldsForLargeProgressiveFiles) {
    const std::string file = ProgressiveJpeg(1200, 1200);
    EXPECT_NE(DecodeError(file, JpegLimits{100'000'000, 1024 * 1024, 100}), "<decoded>");
    EXPECT_EQ(DecodeJpeg(file).width, 1200);
}
