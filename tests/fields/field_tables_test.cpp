// The tables put every arrowhead tip on its own field line and leave the unused
// tail entries at 0.
#include <gtest/gtest.h>

#include <cmath>

#include "fields/field_tables.h"

TEST(FieldTables, CoilTipsSitOnTheOutermostPointsOfTheirRings)
{
    const auto& left = fields::kCoilFieldLeftX;
    const auto& right = fields::kCoilFieldRightX;
    for (int k = 0; k <= 4; ++k) {
        const double halfWidth = (850.0 + 250.0 * k) / 1.5;  // twips: ring k, height : width 1.5
        EXPECT_NEAR(left[k], 1750.0 - halfWidth, 20.0) << "level " << k;
        EXPECT_NEAR(right[k], 4400.0 + halfWidth, 20.0) << "level " << k;
        if (k > 0) {
            EXPECT_LT(left[k], left[k - 1]);
            EXPECT_GT(right[k], right[k - 1]);
        }
    }
    EXPECT_EQ(left[5], 0);
    EXPECT_EQ(right[5], 0);
}

TEST(FieldTables, CapacitorTipsSitOnTheArcsOfTheirLines)
{
    const auto& aspect = fields::kCapFieldAspect;
    const auto& radius = fields::kCapFieldRadius;
    const auto& tips = fields::kCapFieldX;
    for (int j = 0; j <= 7; ++j) {
        ASSERT_GT(aspect[j], 1.0) << "every line is taller than wide";
        // Where the ellipse crosses the arrowheads' row, 50 twips above its centre.
        const double halfWidth = radius[j] / aspect[j];
        const double atTipRow = halfWidth * std::sqrt(1.0 - std::pow(50.0 / radius[j], 2));
        EXPECT_NEAR(tips[2 * j], 8330.0 - atTipRow, 25.0) << "line " << j;
        EXPECT_NEAR(tips[2 * j + 1], 8330.0 + atTipRow, 25.0) << "line " << j;
    }
    // The outermost line bows out just beyond the plates (7290..9375).
    EXPECT_LT(8330.0 - radius[7] / aspect[7], 7290.0);
    EXPECT_GT(8330.0 + radius[7] / aspect[7], 9375.0);
    EXPECT_EQ(aspect[8], 0.0);
    EXPECT_EQ(radius[8], 0);
    for (int i = 16; i <= 20; ++i)
        EXPECT_EQ(tips[i], 0) << i;
}
