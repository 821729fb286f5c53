// The shades of charge and current: the straight rules across the whole scale, and the field
// greys at their thresholds.
#include <gtest/gtest.h>

#include "animation/colours.h"

using namespace animation;

namespace {
const QColor kBackground(240, 240, 240);  // the window's button face
}

TEST(Colours, WireAndPlateShadesFollowTheLevel)
{
    for (int v = 0; v <= 255; ++v) {
        EXPECT_EQ(WireColour(v), QColor(255, 255 - v, 255 - v)) << v;
        EXPECT_EQ(PlusColour(v), QColor(255, 255 - v, 255 - v)) << v;
        EXPECT_EQ(MinusColour(v), QColor(255 - v, 255 - v, 255)) << v;
    }
    // Levels a hair out of range stay at the ends of the scale.
    EXPECT_EQ(WireColour(-3), QColor(255, 255, 255));
    EXPECT_EQ(WireColour(300), QColor(255, 0, 0));
    EXPECT_EQ(PlusColour(256), QColor(255, 0, 0));
    EXPECT_EQ(MinusColour(-1), QColor(255, 255, 255));
    EXPECT_EQ(MinusColour(1000), QColor(0, 0, 255));
}

TEST(Colours, CapacitorFieldGreyAtItsThresholds)
{
    EXPECT_EQ(ChargeGrey(255, kBackground), QColor(0, 0, 0));
    EXPECT_EQ(ChargeGrey(120, kBackground), QColor(135, 135, 135));
    EXPECT_EQ(ChargeGrey(119, kBackground), QColor(130, 130, 130));
    EXPECT_EQ(ChargeGrey(20, kBackground), QColor(130, 130, 130));
    EXPECT_EQ(ChargeGrey(19, kBackground), kBackground);
    EXPECT_EQ(ChargeGrey(0, kBackground), kBackground);
    EXPECT_EQ(ChargeGrey(-40, kBackground), kBackground);
    EXPECT_EQ(ChargeGrey(400, kBackground), QColor(0, 0, 0));
    // The background is whatever the window has, not a fixed grey.
    EXPECT_EQ(ChargeGrey(5, QColor(1, 2, 3)), QColor(1, 2, 3));
}

TEST(Colours, CoilFieldGreyAtItsThresholds)
{
    EXPECT_EQ(CoilFieldColour(200, kBackground), QColor(55, 55, 55));
    EXPECT_EQ(CoilFieldColour(120, kBackground), QColor(135, 135, 135));
    EXPECT_EQ(CoilFieldColour(119, kBackground), QColor(130, 130, 130));
    EXPECT_EQ(CoilFieldColour(15, kBackground), QColor(130, 130, 130));
    EXPECT_EQ(CoilFieldColour(14, kBackground), kBackground);
    // Between the two erase thresholds the fields differ: the coil still shows its field.
    EXPECT_EQ(ChargeGrey(17, kBackground), kBackground);
    EXPECT_EQ(CoilFieldColour(17, kBackground), QColor(130, 130, 130));
}
