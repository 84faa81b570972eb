#include "imagetools/ImageEditor.h"
#include "imagetools/ImageNames.h"
#include "imagetools/JpegCodec.h"
#include "imagetools/JpegSize.h"
#include "imagetools/SaveName.h"
#include "support/JpegSamples.h"
#include "support/TestFolder.h"
#include "util/Error.h"

#include <gtest/gtest.h>
#include <random>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// Flat above, noise below: a measure taken from one part alone is far off.
RgbImage HalfNoisyImage(int w, int h) {
    RgbImage image(w, h);
    std::mt19937 random(7);
    for (int y = 0; y < h; ++y)
        for (size_t i = 0; i < image.rowBytes(); ++i)
            image.row(y)[i] = y < h / 2 ? 120 : static_cast<std::uint8_t>(random() & 0xFF);
    return image;
}

} // namespace

TEST(SavedImageName, KeepsWhatTheUserTypedAndEndsInAJpegExtension) {
    EXPECT_EQ(SavedImageName("banner"), "banner.jpg");
    EXPECT_EQ(SavedImageName("banner.JPEG"), "banner.JPEG");
    EXPECT_EQ(SavedImageName("banner.Jpg"), "banner.Jpg");
    EXPECT_EQ(SavedImageName("banner.gif"), "banner.jpg");
    EXPECT_EQ(SavedImageName("banner.PNG"), "banner.jpg");
    EXPECT_EQ(SavedImageName("my.banner"), "my.banner.jpg");
    EXPECT_EQ(SavedImageName("v1.2"), "v1.2.jpg");
    EXPECT_EQ(SavedImageName("banner."), "banner.jpg");
    // The saved name is a fixed point: saving under it again changes nothing.
    for (const char* typed : {"my.banner", "a.b.c", "banner.gif", "x"})
        EXPECT_EQ(SavedImageName(SavedImageName(typed)), SavedImageName(typed)) << typed;
    // Refused names stay as typed, so that the refusal is about what the user wrote.
    EXPECT_EQ(SavedImageName("../up"), "../up");
    EXPECT_EQ(SavedImageName(".png"), ".png");
}

TEST(SavedImageName, TheNoticeSaysTheNameOrWhyNot) {
    EXPECT_EQ(SaveAsNotice("my.banner"), "Will be saved as my.banner.jpg");
    EXPECT_EQ(SaveAsNotice("header_1.jpg"), "Will be saved as header_1.jpg");
    EXPECT_EQ(SaveAsNotice("a/b"), imagetexts::kPlainImageName);
    EXPECT_EQ(SaveAsNotice("  "), imagetexts::kEnterImageName);
}

TEST(JpegSize, SmallImagesAreMeasuredExactly) {
    const RgbImage image = GradientImage(300, 200);
    for (int quality : {100, 85}) {
        const JpegSizeEstimate estimate = EstimateJpegSize(image, quality);
        EXPECT_TRUE(estimate.exact);
        EXPECT_EQ(estimate.bytes, EncodeJpeg(image, quality).size());
    }
    const RgbImage low = GradientImage(2000, 10); // fewer rows than one band
    EXPECT_TRUE(EstimateJpegSize(low, 100, 1000).exact);
}

TEST(JpegSize, LargeImagesAreEstimatedFromBandsAcrossTheirHeight) {
    const RgbImage image = HalfNoisyImage(640, 1600);
    for (int quality : {100, 85, 40}) {
        const double real = static_cast<double>(EncodeJpeg(image, quality).size());
        const JpegSizeEstimate estimate = EstimateJpegSize(image, quality, 640 * 160);
        EXPECT_FALSE(estimate.exact);
        EXPECT_NEAR(static_cast<double>(estimate.bytes), real, real * 0.03) << quality;
    }
    // A lower quality gives a smaller file, which is what the choice is for.
    EXPECT_LT(EstimateJpegSize(image, kSmallerJpegQuality, 640 * 160).bytes,
              EstimateJpegSize(image, kBestJpegQuality, 640 * 160).bytes * 3 / 4);
}

TEST(JpegSize, SizesReadAsBytesKilobytesAndMegabytes) {
    EXPECT_EQ(FileSizeText(0), "0 bytes");
    EXPECT_EQ(FileSizeText(1023), "1023 bytes");
    EXPECT_EQ(FileSizeText(1024), "1.0 KB");
    EXPECT_EQ(FileSizeText(14540), "14.2 KB");
    EXPECT_EQ(FileSizeText(1024 * 1024 - 1), "1.0 MB");
    EXPECT_EQ(FileSizeText(30094131), "28.7 MB");
    EXPECT_EQ(JpegSizeText({2048, true}), "File size: 2.0 KB");
    EXPECT_EQ(JpegSizeText({2048, false}), "File size: about 2.0 KB");
}

TEST(EditorCanOpen, OnlyJpegContentOpensAndUnreadableFilesGoByName) {
    TestFolder folder;
    EXPECT_TRUE(EditorCanOpen(folder.Write("a.jpg", EncodeJpeg(GradientImage(8, 8)))));
    EXPECT_TRUE(EditorCanOpen(folder.Write("jpeg-inside.png", EncodeJpeg(GradientImage(8, 8)))));
    EXPECT_FALSE(EditorCanOpen(folder.Write("png-inside.jpg", "\x89PNG\r\n\x1a\n")));
    EXPECT_FALSE(EditorCanOpen(folder.Write("empty.jpg", "")));
    EXPECT_FALSE(EditorCanOpen(folder.path()));
    EXPECT_TRUE(EditorCanOpen(folder.path() / "missing.JPG"));
    EXPECT_FALSE(EditorCanOpen(folder.path() / "missing.gif"));
}

TEST(ImageEditorChanges, AnOperationOrAnAdjustmentAsksBeforeClosingUntilTheNextLoad) {
    TestFolder folder;
    const fs::path file = folder.Write("photo.jpg", EncodeJpeg(GradientImage(16, 16)));
    ImageEditor editor;
    editor.Load(file);
    EXPECT_EQ(editor.CloseQuestion(), std::nullopt);
    editor.SetChannel(Channel::Green, false);
    EXPECT_EQ(editor.CloseQuestion(), std::string(imagetexts::kDiscardEdits));
    editor.SetChannel(Channel::Green, true);
    EXPECT_FALSE(editor.HasChanges());
    editor.SetBrightness(-3);
    EXPECT_TRUE(editor.HasChanges());
    editor.SetBrightness(0);
    // Twice inverted shows the file's image, but the user did work on it.
    editor.InvertColors();
    editor.InvertColors();
    EXPECT_TRUE(editor.HasChanges());
    editor.SetSaveQuality(85);
    editor.Load(file);
    EXPECT_FALSE(editor.HasChanges());
    EXPECT_EQ(editor.saveQuality(), kBestJpegQuality);
    for (const auto& [asked, kept] : {std::pair{0, 1}, {150, 100}, {85, 85}}) {
        editor.SetSaveQuality(asked);
        EXPECT_EQ(editor.saveQuality(), kept);
    }
}

TEST(ImageEditorChanges, OpenErrorsNameTheFileAndTheReason) {
    TestFolder folder;
    const fs::path png = folder.Write("images/logo.jpg", "\x89PNG\r\n\x1a\n rest of a PNG file");
    ImageEditor editor;
    try {
        editor.Load(png);
        ADD_FAILURE() << "a PNG file was read";
    } catch (const Error& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("images/logo.jpg"), std::string::npos) << message;
        EXPECT_NE(message.find("Not a JPEG file"), std::string::npos) << message;
    }
}
