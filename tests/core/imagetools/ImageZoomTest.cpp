#include "imagetools/ImageZoom.h"

#include <gtest/gtest.h>

using namespace quorlex;

TEST(ImageZoom, FittingShrinksALargeImageToTheAreaButNeverEnlarges) {
    EXPECT_DOUBLE_EQ(FitZoom({4000, 3000}, {1200, 800}), 800.0 / 3000);
    EXPECT_DOUBLE_EQ(FitZoom({4000, 1000}, {1200, 800}), 0.3);
    EXPECT_DOUBLE_EQ(FitZoom({280, 190}, {1200, 800}), 1.0);
    EXPECT_DOUBLE_EQ(FitZoom({100000, 100}, {100, 100}), kMinZoom);
    EXPECT_DOUBLE_EQ(FitZoom({0, 0}, {100, 100}), 1.0);
    EXPECT_DOUBLE_EQ(FitZoom({100, 100}, {0, 50}), 1.0);
    // The fitted image lies inside the area on both sides.
    const PixelSize fitted = ScaledSize({4000, 3000}, FitZoom({4000, 3000}, {1217, 873}));
    EXPECT_LE(fitted.width, 1217);
    EXPECT_LE(fitted.height, 873);
    EXPECT_EQ(ScaledSize({3, 3}, kMinZoom), (PixelSize{1, 1}));
}

TEST(ImageZoom, StepsGoToTheNextLevelAndStopAtTheLimits) {
    EXPECT_DOUBLE_EQ(ZoomStepIn(1.0), 1.5);
    EXPECT_DOUBLE_EQ(ZoomStepOut(1.0), 2.0 / 3);
    // From a fitted scale between two levels, each way goes to the neighbouring level.
    EXPECT_DOUBLE_EQ(ZoomStepIn(0.2667), 1.0 / 3);
    EXPECT_DOUBLE_EQ(ZoomStepOut(0.2667), 0.25);
    // A level reached by arithmetic counts as that level.
    EXPECT_DOUBLE_EQ(ZoomStepIn(1.0 / 3 + 1e-12), 0.5);
    EXPECT_DOUBLE_EQ(ZoomStepIn(kMaxZoom), kMaxZoom);
    EXPECT_DOUBLE_EQ(ZoomStepIn(100), kMaxZoom);
    EXPECT_DOUBLE_EQ(ZoomStepOut(kMinZoom), kMinZoom);
    EXPECT_DOUBLE_EQ(ZoomStepOut(0.001), kMinZoom);
    double scale = kMinZoom;
    for (int i = 0; i < 14; ++i)
        scale = ZoomStepIn(scale);
    EXPECT_DOUBLE_EQ(scale, kMaxZoom);
}

TEST(ImageZoom, StartsFittedAndStepsFromTheScaleShown) {
    const PixelSize photo{4000, 3000};
    const PixelSize area{1200, 900};
    ImageZoom zoom;
    EXPECT_TRUE(zoom.fitting());
    EXPECT_DOUBLE_EQ(zoom.Scale(photo, area), 0.3);
    EXPECT_EQ(zoom.Label(photo, area), "Fit: 30%");
    zoom.In(photo, area);
    EXPECT_FALSE(zoom.fitting());
    EXPECT_DOUBLE_EQ(zoom.Scale(photo, area), 1.0 / 3);
    // No longer fitting: a larger view does not change the scale.
    EXPECT_DOUBLE_EQ(zoom.Scale(photo, {4000, 4000}), 1.0 / 3);
    zoom.ActualSize();
    EXPECT_EQ(zoom.Label(photo, area), "100%");
    zoom.Out(photo, area);
    EXPECT_EQ(zoom.Label(photo, area), "67%");
    zoom.Fit();
    EXPECT_DOUBLE_EQ(zoom.Scale(photo, {2000, 3000}), 0.5);
}
