// The charging of the capacitor from the source, and the marker groups.

#include "physics/charging.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace physics;

TEST(Charging, FollowsTheExponentialLawFromAnyStartLevel)
{
    for (double tau : {0.25, 2.0}) {
        for (int q0 : {0, 100, 254, 255}) {
            int previous = q0;
            for (int i = 0; i <= 1500; ++i) {
                const double t = i * 0.01;
                const double e = std::exp(-t / tau);
                const int I = ChargingCurrentLevel(q0, t, tau);
                const int level = ChargedLevel(q0, t, tau);
                ASSERT_EQ(I, static_cast<int>(std::floor((255 - q0) * e)));
                ASSERT_EQ(level, q0 + static_cast<int>(std::floor((1 - e) * (255 - q0))));
                ASSERT_GE(level, previous);
                // What is on the plates and what still flows make up the full charge.
                ASSERT_TRUE(level + I == 254 || level + I == 255) << level << " + " << I;
                ASSERT_EQ(AmmeterChargingLevel(I, t, tau), I * e);
                previous = level;
            }
        }
    }
}

TEST(Charging, FastChargeOfAnEmptyCapacitor)
{
    const double tau = ChargingTimeConstant(true, false);
    EXPECT_EQ(tau, 0.25);
    EXPECT_EQ(ChargingCurrentLevel(0, 0.0, tau), 255);
    EXPECT_EQ(ChargingMarkerGroup(255), 0);
    EXPECT_EQ(ChargedLevel(0, 0.0, tau), 0);

    EXPECT_EQ(ChargingCurrentLevel(0, 1.0, tau), 4);
    EXPECT_EQ(ChargedLevel(0, 1.0, tau), 250);
    EXPECT_NEAR(ChargingVoltmeterAngle(250), 58.8, 0.05);
    EXPECT_EQ(ChargingVoltmeterAngle(255), 60.0);

    // A full capacitor takes no current.
    EXPECT_EQ(ChargingCurrentLevel(255, 0.0, tau), 0);
    EXPECT_EQ(ChargedLevel(255, 3.0, tau), 255);

    // Switching to slow keeps the start time: 250 at t = 1 s drops to 100.
    EXPECT_EQ(ChargingTimeConstant(false, true), 2.0);
    EXPECT_EQ(ChargingTimeConstant(true, true), 2.0);
    EXPECT_EQ(ChargingTimeConstant(false, false), 0.25);
    EXPECT_EQ(ChargedLevel(0, 1.0, ChargingTimeConstant(false, true)), 100);
}

TEST(Charging, MarkerGroups)
{
    const int currents[] = {0, 7, 8, 15, 100, 255};
    const int charging[] = {33, 33, 32, 32, 21, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(ChargingMarkerGroup(currents[i]), charging[i]) << currents[i];
    }
    const int phases[] = {-255, -253, -1, 0, 11, 12, 252, 255};
    const int oscillation[] = {43, 43, 22, 21, 21, 20, 0, 0};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(OscillationMarkerGroup(phases[i]), oscillation[i]) << phases[i];
    }
}

TEST(Charging, NoInputLeavesTheLevelsOrMarkerRows)
{
    for (int q0 : {-40, 0, 128, 255, 400}) {
        for (double t : {-10.0, -0.5, 0.0, 2.0}) {
            for (double tau : {0.25, 2.0}) {
                const int I = ChargingCurrentLevel(q0, t, tau);
                const int level = ChargedLevel(q0, t, tau);
                const double a = AmmeterChargingLevel(I, t, tau);
                EXPECT_TRUE(I >= 0 && I <= 255) << I;
                EXPECT_TRUE(level >= 0 && level <= 255) << level;
                EXPECT_TRUE(a >= 0 && a <= 255) << a;
            }
        }
    }
    EXPECT_EQ(ChargingCurrentLevel(0, -1.0, 0.25), 255);
    EXPECT_EQ(ChargingMarkerGroup(-50), 33);
    EXPECT_EQ(ChargingMarkerGroup(1000), 0);
    EXPECT_EQ(OscillationMarkerGroup(100000), 0);
    EXPECT_EQ(OscillationMarkerGroup(-100000), 43);
}

}  // namespace
