#include "imagetools/JpegCodec.h"

#include "support/JpegSamples.h"
#include "util/Error.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

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

std::string DecodeError(const std::string& bytes, const JpegLimits& limits = {}) {
    try {
        DecodeJpeg(bytes, limits);
    } catch (const Error& error) {
        return error.what();
    }
    return "<decoded>";
}

std::string ThumbnailError(const std::string& bytes, bool cancelled = false) {
    const std::atomic<bool> cancel{cancelled};
    try {
        DecodeJpegThumbnail(bytes, {400, 100}, cancel);
    } catch (const Error& error) {
        return error.what();
    }
    return "<decoded>";
}

// A file whose frame header claims another size; the data stays that of the old one.
std::string WithClaimedSize(std::string file, int width, int height) {
    const size_t sof = FindMarker(file, 0xC0);
    file[sof + 5] = static_cast<char>(height >> 8);
    file[sof + 6] = static_cast<char>(height & 0xFF);
    file[sof + 7] = static_cast<char>(width >> 8);
    file[sof + 8] = static_cast<char>(width & 0xFF);
    return file;
}

// The start of a file with an end-of-image marker after it, as a careless cut leaves it.
std::string CutWithEndMarker(const std::string& file, double share) {
    return file.substr(0, static_cast<size_t>(static_cast<double>(file.size()) * share)) + "\xFF\xD9";
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
    const std::string file = WithClaimedSize(EncodeJpeg(GradientImage(16, 16)), 60000, 60000);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(DecodeError(file).find("too large (60000 x 60000 pixels)"), std::string::npos);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

// The decoder only warns about these and would paint the missing part gray.
TEST(JpegCodec, DamageBehindAnEndMarkerIsRefusedWithTheDecodersMessage) {
    const std::string good = EncodeJpeg(GradientImage(200, 150));
    ASSERT_EQ(DecodeError(good + "\xFF\xD9"), "<decoded>") << "a marker after the end is no damage";
    EXPECT_NE(DecodeError(CutWithEndMarker(good, 0.6)).find("premature end of data segment"), std::string::npos);
    const std::string claimed = WithClaimedSize(good, 10000, 9000);
    EXPECT_NE(DecodeError(claimed).find("Corrupt JPEG data"), std::string::npos);
    const std::string progressive = ProgressiveJpeg(200, 150);
    ASSERT_EQ(DecodeError(progressive), "<decoded>");
    EXPECT_NE(DecodeError(CutWithEndMarker(progressive, 0.6)), "<decoded>");
}

TEST(JpegCodec, ScansBeyondTheLimitAreCutShort) {
    ASSERT_EQ(DecodeJpeg(ManyScanJpeg(64, 64, 100)).pixels[0], 128);
    EXPECT_NE(DecodeError(ManyScanJpeg(64, 64, 101)).find("more than 100 scans"), std::string::npos);
    EXPECT_NE(DecodeError(ManyScanJpeg(64, 64, 5000)).find("more than 100 scans"), std::string::npos);
}

TEST(JpegCodec, TheMemoryLimitHoldsForLargeProgressiveFiles) {
    const std::string file = ProgressiveJpeg(1200, 1200);
    EXPECT_NE(DecodeError(file, JpegLimits{100'000'000, 1024 * 1024, 100}), "<decoded>");
    EXPECT_EQ(DecodeJpeg(file).width, 1200);
}

TEST(JpegThumbnail, DecodesAtTheSmallestScaleThatCoversTheCell) {
    const std::atomic<bool> cancel{false};
    const std::string photo = EncodeJpeg(GradientImage(800, 600));
    // The cell's picture is 125 x 94; an eighth would be 100 x 75.
    RgbImage scaled = DecodeJpegThumbnail(photo, {400, 100}, cancel);
    EXPECT_EQ(scaled.width, 200);
    EXPECT_EQ(scaled.height, 150);
    EXPECT_NEAR(scaled.at(199, 0)[0], 255, 8);
    scaled = DecodeJpegThumbnail(photo, {800, 200}, cancel);
    EXPECT_EQ(scaled.width, 300) << "3/8 covers 258 x 194";
    EXPECT_EQ(DecodeJpegThumbnail(photo, {4000, 1000}, cancel).width, 800);
    // A picture smaller than its cell is decoded whole, never enlarged.
    const RgbImage small = DecodeJpegThumbnail(SolidJpeg(80, 80, SampleSpace::Gray, {90}), {400, 100}, cancel);
    EXPECT_EQ(small.width, 80);
    EXPECT_EQ(small.pixels[0], 90);
}

TEST(JpegThumbnail, HasTheEditorsLimitsAndRefusesManyScansQuickly) {
    const std::string scans = ManyScanJpeg(1024, 1024, 200'000);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(ThumbnailError(scans).find("more than 100 scans"), std::string::npos);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    const std::string good = EncodeJpeg(GradientImage(200, 150));
    EXPECT_NE(ThumbnailError(WithClaimedSize(good, 60000, 60000)).find("too large"), std::string::npos);
    EXPECT_NE(ThumbnailError(CutWithEndMarker(good, 0.6)).find("premature end"), std::string::npos);
    EXPECT_NE(ThumbnailError(WithClaimedSize(good, 10000, 9000)), "<decoded>");
    EXPECT_EQ(ThumbnailError(good), "<decoded>");
}

TEST(JpegThumbnail, AStopRequestEndsTheDecode) {
    EXPECT_EQ(ThumbnailError(EncodeJpeg(GradientImage(200, 150)), true), "The decoding was stopped.");
    EXPECT_EQ(ThumbnailError(ManyScanJpeg(1024, 1024, 90), true), "The decoding was stopped.");
}

TEST(JpegThumbnail, RecognizesJpegDataByItsFirstBytes) {
    EXPECT_TRUE(IsJpegData(EncodeJpeg(GradientImage(8, 8))));
    EXPECT_FALSE(IsJpegData("\x89PNG\r\n"));
    EXPECT_FALSE(IsJpegData("\xFF"));
    EXPECT_FALSE(IsJpegData(""));
}
