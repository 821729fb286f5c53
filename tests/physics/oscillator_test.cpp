// The oscillator model: properties of the circuit it stands for, and values worked by hand.

#include "physics/circuit_parameters.h"
#include "physics/oscillator.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

using physics::OscillatorInput;
using physics::OscillatorOutput;

// One step of a run from full charge, as the loop makes it.
OscillatorOutput DampedStep(double omega0, double beta, int chargeLevel, double t, bool polarity)
{
    OscillatorInput in;
    in.omega0 = omega0;
    in.beta = beta;
    in.t = t;
    in.chargeLevel = in.graphAmp = chargeLevel;
    in.polarity = polarity;
    return physics::ComputeOscillationStep(in, {});
}

// Charge and current of the circuit share its energy: q^2 + i^2 stays the energy the
// resistor has left, e^(-2 beta t), at every setting; the levels are the charge level's
// share of them, and the charge passes zero twice a period, 2 * 3.14 / omega.
TEST(OscillatorModel, EnergyDecaysAsTheEnvelopeAndTheChargeCrossesZeroTwicePerPeriod)
{
    const double frequencies[] = {3.14 / 30, 3.14 / 10, 3.14 / 6, 3.14 / 2, 3.14, 3 * 3.14 / 2, 2 * 3.14};
    const double dampings[] = {0, 0.05, 0.15, 0.3, 0.4, 0.5};  // 0: no resistor
    for (double w0 : frequencies) {
        for (double f : dampings) {
            const double beta = w0 * f;
            const double period = DampedStep(w0, beta, 255, 0.0, false).period;
            ASSERT_NEAR(period * std::sqrt(w0 * w0 - beta * beta), 6.28, 1e-12);
            for (int L : {255, 137, 1}) {
                int zeros = 0;
                double last = 1;
                for (int i = 0; i <= 1000; ++i) {
                    const double t = period * i / 1000;
                    const OscillatorOutput o = DampedStep(w0, beta, L, t, false);
                    const OscillatorOutput r = DampedStep(w0, beta, L, t, true);
                    const double energy = std::exp(-2 * beta * t);
                    ASSERT_NEAR(o.chargeRatio * o.chargeRatio + o.current * o.current, energy, 1e-12)
                        << "omega0=" << w0 << " f=" << f << " t=" << t;
                    ASSERT_EQ(o.currentDirection, o.current > 0 ? 1 : -1);
                    ASSERT_LE(std::abs(o.plateCharge - L * std::abs(o.chargeRatio)), 1.0);
                    ASSERT_LE(std::abs(o.currentLevel - L * o.current), 1.0);
                    // The wire markers follow the charge, a quarter period ahead of the current.
                    ASSERT_LE(std::abs(o.markerPhase + L * o.chargeRatio), 1.25);
                    // Swapped plates: the charge is reversed, its magnitude and the current are not.
                    ASSERT_EQ(r.plateCharge, o.plateCharge);
                    ASSERT_EQ(r.current, o.current);
                    ASSERT_NEAR(r.chargeRatio, -o.chargeRatio, 0.0016);
                    // Their levels carry the reversal (the program's pi is 0.0016 short).
                    ASSERT_LE(std::abs(r.currentLevel + L * r.current), 1.41);
                    ASSERT_LE(std::abs(r.markerPhase + L * r.chargeRatio), 1.25);
                    zeros += (o.chargeRatio > 0) != (last > 0) ? 1 : 0;
                    last = o.chargeRatio;
                }
                EXPECT_EQ(zeros, 2) << "omega0=" << w0 << " f=" << f;
            }
        }
    }
}

TEST(OscillatorModel, StartsFromFullChargeWithNoCurrent)
{
    const OscillatorOutput o = DampedStep(3.14, 0, 255, 0.0, false);
    EXPECT_EQ(o.current, 0.0);
    EXPECT_EQ(o.currentDirection, -1);  // a current of exactly 0 counts as negative
    EXPECT_EQ(o.chargeRatio, 1.0);
    EXPECT_EQ(o.plateCharge, 255);
    EXPECT_EQ(o.currentLevel, 0);
    EXPECT_EQ(o.markerPhase, -255);  // Int(-255 * sin(1.57)) = Int(-254.99992)
    EXPECT_EQ(o.graphU, 1.0);        // graphAmp / 255 with graphAmp 255
    EXPECT_EQ(o.graphI, 0.0);

    // Swapped plates: the charge starts reversed, its magnitude and the current do not.
    const OscillatorOutput swapped = DampedStep(3.14, 0, 255, 0.0, true);
    EXPECT_EQ(swapped.chargeRatio, std::cos(3.14));
    EXPECT_NEAR(swapped.chargeRatio, -0.9999987, 1e-7);
    EXPECT_EQ(swapped.plateCharge, 255);
    EXPECT_EQ(swapped.current, 0.0);
    EXPECT_EQ(swapped.markerPhase, 254);  // Int(255 * 0.99999...) with the phase pi
}

TEST(OscillatorModel, PeriodAtSettingFive)
{
    EXPECT_EQ(DampedStep(physics::OmegaForSetting(5, 3.14), 0, 255, 1.0, 0).period, 2.0);
    const OscillatorOutput damped = DampedStep(3.14, 3.14 * 0.5, 255, 1.0, 0);
    EXPECT_NEAR(damped.period, 2 * 3.14 / (3.14 * std::sqrt(0.75)), 1e-12);
    EXPECT_NEAR(damped.period, 2.3094, 1e-4);
}

TEST(OscillatorModel, LevelsRoundTowardsMinusInfinity)
{
    EXPECT_EQ(physics::Int(-0.3), -1);
    EXPECT_EQ(physics::Int(-0.2), -1);
    EXPECT_EQ(physics::Int(-3.0), -3);
    EXPECT_EQ(physics::Int(2.999), 2);
    EXPECT_EQ(physics::Int(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(physics::Int(1e300), INT_MAX);
    EXPECT_EQ(physics::Int(-1e300), INT_MIN);

    // Charge level 1 at the moment the current level's product is -0.3.
    const double t = std::asin(0.3) / 3.14;
    const OscillatorOutput o = DampedStep(3.14, 0, 1, t, 0);
    EXPECT_NEAR(-std::sin(3.14 * t), -0.3, 1e-12);
    EXPECT_EQ(o.currentLevel, -1);
}

TEST(OscillatorModel, LevelsStayInRangeForAnyInput)
{
    for (int L : {-5, 256, 1000, INT_MAX, INT_MIN}) {
        for (double t : {-1000.0, -1.0, 0.0, 0.3, 7.0}) {
            for (double beta : {0.0, 1.57}) {
                for (bool polarity : {false, true}) {
                    const OscillatorOutput o = DampedStep(3.14, beta, L, t, polarity);
                    EXPECT_GE(o.plateCharge, 0);
                    EXPECT_LE(o.plateCharge, 255);
                    EXPECT_LE(std::abs(o.currentLevel), 255);
                    EXPECT_LE(std::abs(o.markerPhase), 255);
                }
            }
        }
    }
}

}  // namespace
