#include "imagetools/ImageEditor.h"

#include "imagetools/JpegCodec.h"
#include "support/JpegSamples.h"
#include "support/TestFolder.h"
#include "util/Error.h"
#include "util/TextFile.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct ImageEditorTest : ::testing::Test {
    ImageEditorTest() {
        file = folder.Write("img/photo.jpg", EncodeJpeg(GradientImage(40, 30)));
        editor.Load(file);
        original = editor.working();
    }

    // Every pixel of the adjusted image, as a list of (r, g, b) for simple checks.
    template <typename Check>
    void ForEachShown(Check check) const {
        const RgbImage& shown = editor.adjusted();
        for (size_t i = 0; i < shown.pixels.size(); i += 3)
            check(shown.pixels[i], shown.pixels[i + 1], shown.pixels[i + 2], original.pixels[i], original.pixels[i + 1],
                  original.pixels[i + 2]);
    }

    TestFolder folder;
    ImageEditor editor;
    fs::path file;
    RgbImage original;
};

} // namespace

TEST_F(ImageEditorTest, ChannelsThenBrightnessApplyAfreshToTheWorkingImage) {
    editor.SetChannel(Channel::Red, false);
    editor.SetBrightness(40);
    EXPECT_EQ(editor.BrightnessLabel(), "40");
    ForEachShown([](int r, int g, int b, int, int g0, int b0) {
        ASSERT_EQ(r, 40);
        ASSERT_EQ(g, std::min(255, g0 + 40));
        ASSERT_EQ(b, std::min(255, b0 + 40));
    });
    editor.SetBrightness(-255);
    EXPECT_EQ(editor.BrightnessLabel(), "-255");
    ForEachShown([](int r, int g, int b, int, int, int) { ASSERT_EQ(r + g + b, 0); });
    editor.SetBrightness(255);
    ForEachShown([](int r, int g, int b, int, int, int) { ASSERT_EQ(r + g + b, 3 * 255); });
    editor.SetChannel(Channel::Red, true);
    editor.SetBrightness(0);
    EXPECT_EQ(editor.adjusted().pixels, original.pixels);
    EXPECT_EQ(editor.working().pixels, original.pixels);
}

TEST_F(ImageEditorTest, OperationsChangeTheWorkingImageAndUndoThemselves) {
    const std::uint8_t* corner = original.at(39, 0);
    editor.FlipHorizontal();
    EXPECT_TRUE(std::equal(corner, corner + 3, editor.working().at(0, 0)));
    editor.FlipHorizontal();
    EXPECT_EQ(editor.working().pixels, original.pixels);
    const std::uint8_t* bottom = original.at(5, 29);
    editor.FlipVertical();
    EXPECT_TRUE(std::equal(bottom, bottom + 3, editor.working().at(5, 0)));
    editor.FlipVertical();
    editor.InvertColors();
    EXPECT_EQ(editor.working().pixels[0], 255 - original.pixels[0]);
    editor.InvertColors();
    EXPECT_EQ(editor.working().pixels, original.pixels);
    // Switches stay out of the working image: an operation after them keeps them applied.
    editor.SetChannel(Channel::Blue, false);
    editor.InvertColors();
    ForEachShown([](int r, int, int b, int r0, int, int) {
        ASSERT_EQ(r, 255 - r0);
        ASSERT_EQ(b, 0);
    });
}

TEST(ImageEditorGray, GrayscaleDropsTheRemainder) {
    TestFolder folder;
    ImageEditor editor;
    // A flat colour survives quality 100 exactly, so the division is what is checked.
    editor.Load(folder.Write("c.jpg", SolidJpeg(8, 8, SampleSpace::Rgb, {255, 254, 0})));
    ASSERT_EQ(editor.working().pixels[0], 255);
    ASSERT_EQ(editor.working().pixels[1], 254);
    editor.Grayscale();
    EXPECT_EQ(editor.adjusted().pixels[0], 169);
    EXPECT_EQ(editor.adjusted().pixels[1], 169);
    EXPECT_EQ(editor.adjusted().pixels[2], 169);
}

TEST_F(ImageEditorTest, RevertReadsTheFileAgainAndKeepsEverythingWhenItCannot) {
    editor.Grayscale();
    editor.SetChannel(Channel::Green, false);
    editor.SetBrightness(-30);
    editor.Load(file);
    EXPECT_EQ(editor.adjusted().pixels, original.pixels);
    EXPECT_TRUE(editor.channel(Channel::Green));
    EXPECT_EQ(editor.brightness(), 0);

    editor.FlipVertical();
    editor.SetBrightness(12);
    const RgbImage shown = editor.adjusted();
    // The second file is cut short with an end marker behind it, which the decoder only warns about.
    const std::string good = ReadFileBytes(file);
    for (const auto& [bytes, message] : {std::pair<std::string, std::string>{"damaged", "Not a JPEG file"},
                                         {good.substr(0, good.size() * 6 / 10) + "\xFF\xD9", "premature end"}}) {
        folder.Write("img/photo.jpg", bytes);
        try {
            editor.Load(file);
            ADD_FAILURE() << "a damaged file was read";
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
        EXPECT_EQ(editor.adjusted().pixels, shown.pixels);
        EXPECT_EQ(editor.brightness(), 12);
    }
    try {
        editor.Load(folder.path() / "img/missing.jpg");
        ADD_FAILURE() << "a missing file was read";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Error: cannot load image!\n" + (folder.path() / "img/missing.jpg").string() + " was not found.");
    }
}

TEST(EditorWindowSize, FitsTheImageWithinTheScreenAndKeepsAMinimum) {
    const PixelSize screen{1280, 1024};
    EXPECT_EQ(EditorWindowSize(screen, {100, 80}), (PixelSize{690, 350}));
    EXPECT_EQ(EditorWindowSize(screen, {800, 600}), (PixelSize{830, 730}));
    EXPECT_EQ(EditorWindowSize(screen, {5000, 4000}), (PixelSize{1250, 974}));
    // At the edge the screen-bound size applies: the image would not fit with its margins.
    EXPECT_EQ(EditorWindowSize(screen, {1250, 894}), (PixelSize{1250, 974}));
    EXPECT_EQ(EditorWindowSize(screen, {1249, 893}), (PixelSize{1279, 1023}));
}
