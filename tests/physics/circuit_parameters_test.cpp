// The sliders' settings turned into the circuit's frequency and damping.

#include "physics/circuit_parameters.h"

#include <gtest/gtest.h>

namespace {

TEST(CircuitParameters, EverySliderSettingGivesItsFrequencyAndUnderdampedBeta)
{
    const double periods[] = {60, 20, 12, 4, 2, 4.0 / 3, 1};  // seconds, with pi = 3.14
    const double factors[] = {0.05, 0.15, 0.3, 0.4, 0.5};
    for (int v = 1; v <= 7; ++v) {
        EXPECT_NEAR(2 * 3.14 / physics::OmegaForSetting(v, 3.14), periods[v - 1], 1e-12) << v;
        for (int k = 1; k <= 5; ++k) {
            double omega = 0, beta = 0;
            physics::UpdateCircuitParameters(v, k, 3.14, omega, beta);
            EXPECT_EQ(omega, physics::OmegaForSetting(v, 3.14));
            EXPECT_EQ(beta, omega * factors[k - 1]);
            EXPECT_LT(beta, omega);
        }
    }
    // The loop's table is compared for exact equality, so its expressions matter.
    EXPECT_EQ(physics::OmegaForSetting(2, 3.14), 0.314);
    EXPECT_EQ(physics::OmegaForSetting(4, 3.14), 1.57);

    double omega = 0, beta = 0;
    physics::UpdateCircuitParameters(5, 1, 3.14, omega, beta);
    EXPECT_EQ(omega, 3.14);
    EXPECT_DOUBLE_EQ(beta, 0.157);
}

TEST(CircuitParameters, LoopTablesAndOutOfRangePositions)
{
    const int scales[] = {2000, 600, 400, 150, 70, 40, 25};
    const int thresholds[] = {4, 5, 6, 7, 20, 30, 30};
    for (int v = 1; v <= 7; ++v) {
        EXPECT_EQ(physics::GraphIScaleForSetting(v), scales[v - 1]);
        EXPECT_EQ(physics::SwapThresholdForSetting(v), thresholds[v - 1]);
    }
    // A position beyond a slider's range counts as the nearest end.
    EXPECT_EQ(physics::OmegaForSetting(0, 3.14), 3.14 / 30);
    EXPECT_EQ(physics::OmegaForSetting(99, 3.14), 2 * 3.14);
    EXPECT_EQ(physics::DampingFactor(-1), 0.05);
    EXPECT_EQ(physics::DampingFactor(6), 0.5);
    EXPECT_EQ(physics::GraphIScaleForSetting(8), 25);
    EXPECT_EQ(physics::SwapThresholdForSetting(0), 4);
}

}  // namespace
