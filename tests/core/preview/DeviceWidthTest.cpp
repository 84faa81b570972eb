#include "preview/DeviceWidth.h"

#include <gtest/gtest.h>

using namespace quorlex;

TEST(DeviceWidth, ThePageIsLaidOutAtTheDevicesWidthCentredOrScaledDown) {
    const PreviewGeometry full = PreviewGeometryFor(DeviceWidth::Full, 1000);
    EXPECT_EQ(full.viewWidth, 1000);
    EXPECT_EQ(full.left, 0);
    EXPECT_DOUBLE_EQ(full.zoom, 1.0);

    const PreviewGeometry tablet = PreviewGeometryFor(DeviceWidth::Tablet, 1001);
    EXPECT_EQ(tablet.viewWidth, 768);
    EXPECT_EQ(tablet.left, 116);
    EXPECT_DOUBLE_EQ(tablet.zoom, 1.0);

    // Narrower than the device: the whole area, zoomed so the page still has 768 CSS pixels.
    const PreviewGeometry narrow = PreviewGeometryFor(DeviceWidth::Tablet, 384);
    EXPECT_EQ(narrow.viewWidth, 384);
    EXPECT_EQ(narrow.left, 0);
    EXPECT_DOUBLE_EQ(narrow.viewWidth / narrow.zoom, 768.0);

    const PreviewGeometry exact = PreviewGeometryFor(DeviceWidth::Phone, 375);
    EXPECT_EQ(exact.viewWidth, 375);
    EXPECT_DOUBLE_EQ(exact.zoom, 1.0);

    // A hidden area of no width gives no division by zero.
    const PreviewGeometry hidden = PreviewGeometryFor(DeviceWidth::Phone, 0);
    EXPECT_GT(hidden.zoom, 0.0);
    EXPECT_EQ(hidden.viewWidth, 1);
}
