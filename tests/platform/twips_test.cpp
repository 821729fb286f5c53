#include <gtest/gtest.h>

#include "platform/twips.h"

using platform::Mapping;

TEST(Twips, FifteenTwipsMakeOnePixelAtScaleOne)
{
    const Mapping m{1.0, 1.0};
    EXPECT_EQ(m.Px(15210), 1014);
    EXPECT_EQ(m.Px(11010), 734);
    EXPECT_EQ(m.Px(14), 0);
    EXPECT_EQ(m.Px(29), 1);
    const Mapping twice{1.0, 2.0};
    EXPECT_EQ(twice.Px(15210), 2028);
    EXPECT_EQ(twice.Px(1399), 186);  // 186.53 device pixels: 7.5 twips each
}

TEST(Twips, NegativeTwipsFloorTowardsMinusInfinity)
{
    const Mapping m{1.0, 1.0};
    EXPECT_EQ(m.Px(-150), -10);
    EXPECT_EQ(m.Px(-1), -1);
    EXPECT_EQ(m.Px(-30), -2);
    EXPECT_EQ(m.Px(-31), -3);
}

TEST(Twips, NeighbouringRectanglesShareTheirEdgesAtAnyScale)
{
    for (double scale : {0.75, 1.0, 1.1, 1.5, 2.0, 2.5}) {
        const Mapping m{scale, 1.0};
        const QRect left = m.Rect(3150, 1770, 4185, 165);
        const QRect right = m.Rect(3150 + 4185, 1770, 400, 165);
        EXPECT_EQ(left.right() + 1, right.left()) << scale;
    }
}

TEST(Twips, PensScaleAndNeverVanish)
{
    EXPECT_EQ((Mapping{1.0, 1.0}.PenPx(3)), 3);
    EXPECT_EQ((Mapping{1.0, 2.0}.PenPx(3)), 6);
    EXPECT_EQ((Mapping{0.25, 1.0}.PenPx(1)), 1);
}
