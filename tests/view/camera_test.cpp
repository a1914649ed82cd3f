#include "view/camera.h"

#include <gtest/gtest.h>

namespace sky {
namespace {

TEST(Camera, LeftDragTurnsHalfADegreePerPixel) {
    // Vertical motion tilts, horizontal motion turns.
    const CameraAngles down = RotateByDrag({70, 0}, 0, 2);
    EXPECT_DOUBLE_EQ(down.RotX, 71);
    EXPECT_DOUBLE_EQ(down.RotY, 0);
    const CameraAngles right = RotateByDrag({70, 10}, 7, 0);
    EXPECT_DOUBLE_EQ(right.RotX, 70);
    EXPECT_DOUBLE_EQ(right.RotY, 13.5);
    const CameraAngles both = RotateByDrag({70, 10}, -3, -5);
    EXPECT_DOUBLE_EQ(both.RotX, 67.5);
    EXPECT_DOUBLE_EQ(both.RotY, 8.5);
}

TEST(Camera, DragsWrapBothAnglesIntoOneTurn) {
    const CameraAngles over = RotateByDrag({359.5, 359}, 4, 2);
    EXPECT_DOUBLE_EQ(over.RotX, 0.5);
    EXPECT_DOUBLE_EQ(over.RotY, 1);
    const CameraAngles under = RotateByDrag({0, 0.5}, -2, -1);
    EXPECT_DOUBLE_EQ(under.RotX, 359.5);
    EXPECT_DOUBLE_EQ(under.RotY, 359.5);
    // Exactly one turn is the start of the next one, never 360 itself.
    EXPECT_DOUBLE_EQ(RotateByDrag({359, 0}, 0, 2).RotX, 0);
    EXPECT_DOUBLE_EQ(RotateByDrag({0, 0}, 0, 0).RotX, 0);
}

TEST(Camera, ADragBringsButtonValuesBackIntoOneTurn) {
    // The buttons never wrap, so a drag can start far outside [0, 360).
    const CameraAngles a = RotateByDrag({-10, 1000}, 0, 0);
    EXPECT_DOUBLE_EQ(a.RotX, 350);
    EXPECT_DOUBLE_EQ(a.RotY, 280);
    const CameraAngles b = RotateByDrag({-730, 725}, 2, 2);
    EXPECT_DOUBLE_EQ(b.RotX, 351);
    EXPECT_DOUBLE_EQ(b.RotY, 6);
    for (double v : {-1000.5, -360.0, -0.5, 0.0, 359.5, 360.0, 720.0, 1e4})
        EXPECT_TRUE(WrapDegrees(v) >= 0 && WrapDegrees(v) < 360) << v;
}

TEST(Camera, RightDragZoomsOneUnitPerTwentyPixels) {
    EXPECT_DOUBLE_EQ(ZoomByDrag(-3, 20), -4);   // down moves the scene away
    EXPECT_DOUBLE_EQ(ZoomByDrag(-3, -30), -1.5);
    EXPECT_DOUBLE_EQ(ZoomByDrag(-3, 1), -3.05);
    // No limit either way: the viewer may pass into and through the landscape.
    EXPECT_DOUBLE_EQ(ZoomByDrag(-0.5, -200), 9.5);
    EXPECT_DOUBLE_EQ(ZoomByDrag(-90, 400), -110);
}

}  // namespace
}  // namespace sky
