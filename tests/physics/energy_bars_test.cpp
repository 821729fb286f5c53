// The two energy bars: the energy passes between capacitor and coil.

#include "physics/energy_bars.h"
#include "physics/oscillator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

TEST(EnergyBars, FreeOscillationKeepsTheTotalWithinItsBand)
{
    // On paper the bars add up to 8.37..8.53 twips per charge level (2135/255
    // and 2175/255). The current level is a whole number, off by less than one
    // level, which moves the magnetic bar by less than (2L + 1) / L * 2135 / 255
    // twips; each bar's Int adds at most one twip more.
    for (int L = 1; L <= 255; ++L) {
        const double rounding = 1 + (2.0 * L + 1) / L * 2135 / 255;
        for (int v : {2, 5, 7}) {
            const double w = v == 2 ? 3.14 / 10 : v == 5 ? 3.14 : 2 * 3.14;
            for (bool polarity : {false, true}) {
                for (int i = 0; i < 400; ++i) {
                    const double t = i * 0.013;
                    physics::OscillatorInput in;
                    in.omega0 = w;
                    in.t = t;
                    in.chargeLevel = L;
                    in.polarity = polarity;
                    physics::OscillatorOutput o;
                    physics::ComputeDampedOscillation(in, o);
                    const int c = std::abs(o.currentLevel);
                    const int total = physics::ElectricBarWidth(o.chargeRatio, L) +
                                      (5690 - physics::MagneticBarLeft(c, L));
                    ASSERT_GE(total, 8.37 * L - rounding) << "L=" << L << " t=" << t;
                    ASSERT_LE(total, 8.53 * L + rounding) << "L=" << L << " t=" << t;
                }
            }
        }
    }
}

TEST(EnergyBars, FullAndEmptyEnds)
{
    EXPECT_EQ(physics::ElectricBarWidth(1.0, 255), 2175);
    EXPECT_EQ(physics::ElectricBarWidth(-1.0, 255), 2175);
    EXPECT_EQ(physics::ElectricBarWidth(0.5, 100), static_cast<int>(std::floor(0.25 * 100 * 2175 / 255)));
    EXPECT_EQ(physics::MagneticBarLeft(255, 255), 5690 - 2135);
    EXPECT_EQ(physics::MagneticBarLeft(0, 37), 5690);
    EXPECT_EQ(physics::MagneticBarLeft(3, 7), static_cast<int>(std::floor(5690 - 9.0 / 7 * 2135 / 255)));

    int previous = -1;
    for (int L = 0; L <= 255; ++L) {
        const int width = physics::ChargingBarWidth(L);
        EXPECT_EQ(width, static_cast<int>(std::floor(2145.0 * L * L / 65025)));
        EXPECT_GE(width, previous);
        previous = width;
    }
    EXPECT_EQ(physics::ChargingBarWidth(255), 2145);
}

}  // namespace
