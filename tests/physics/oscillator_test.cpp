// The oscillator model against the closed-form solution, written out here.

#include "physics/circuit_parameters.h"
#include "physics/oscillator.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

using physics::ModelEnvironment;

// Everything one model step writes, with values the model must overwrite.
struct Outputs {
    double omega = 0, current = 9, chargeRatio = 9, period = 0, graphU = 9, graphI = 9;
    int currentDirection = 9, plateCharge = -9, currentLevel = -999, markerPhase = -999;
    bool swapLock = false;
};

// One damped step as the loop makes it: omega set afresh from the setting.
Outputs DampedStep(double omega0, double beta, int chargeLevel, double t, bool polarity)
{
    Outputs o;
    o.omega = omega0;
    ModelEnvironment env(o.graphU, o.graphI);
    env.beta = beta;
    env.graphAmp = chargeLevel;
    physics::ComputeOscillationStep(o.omega, o.current, o.currentDirection, o.chargeRatio,
                                    o.plateCharge, o.currentLevel, o.markerPhase, o.period,
                                    chargeLevel, t, polarity, o.graphU, o.graphI, o.swapLock,
                                    env);
    return o;
}

// The model's formulas, computed independently with pi = 3.14.
testing::AssertionResult MatchesClosedForm(const Outputs& o, double w0, double b, int L,
                                           double t, bool polarity)
{
    const double w = std::sqrt(w0 * w0 - b * b);
    const double decay = std::exp(-b * t);
    const double phase = polarity * 3.14;
    const double current = -decay * std::sin(w * t);
    const double ratio = decay * std::cos(w * t + phase);
    const int plate = static_cast<int>(std::floor(L * std::fabs(decay * std::cos(w * t))));
    const int level = static_cast<int>(std::floor(L * (-decay * std::sin(w * t + phase))));
    const int marker = static_cast<int>(std::floor(L * (-decay * std::sin(w * t + 1.57 + phase))));

    if (o.omega != w || o.current != current || o.chargeRatio != ratio ||
        o.currentDirection != (current > 0 ? 1 : -1) || o.plateCharge != plate ||
        o.currentLevel != level || o.markerPhase != marker || o.period != 2 * 3.14 / w ||
        o.graphU != ratio * L / 255 || o.graphI != current * L * w / 255 || o.swapLock) {
        return testing::AssertionFailure()
               << "t=" << t << " plate " << o.plateCharge << " vs " << plate << ", level "
               << o.currentLevel << " vs " << level << ", marker " << o.markerPhase << " vs "
               << marker << ", ratio " << o.chargeRatio << " vs " << ratio;
    }
    return testing::AssertionSuccess();
}

TEST(OscillatorModel, FollowsClosedFormAtEverySettingFreeAndDamped)
{
    const double frequencies[] = {3.14 / 30, 3.14 / 10, 3.14 / 6, 3.14 / 2,
                                  3.14,      3 * 3.14 / 2, 2 * 3.14};
    const double dampings[] = {0, 0.05, 0.15, 0.3, 0.4, 0.5}; // 0: no resistor
    for (double w0 : frequencies) {
        for (double f : dampings) {
            for (int L : {255, 137, 1}) {
                for (bool polarity : {false, true}) {
                    for (int i = 0; i <= 3000; ++i) {
                        const double t = i * 0.01;
                        const Outputs o = DampedStep(w0, w0 * f, L, t, polarity);
                        ASSERT_TRUE(MatchesClosedForm(o, w0, w0 * f, L, t, polarity))
                            << "omega0=" << w0 << " f=" << f << " L=" << L << " pol=" << polarity;
                        // The wire markers follow the charge, a quarter period ahead of the current.
                        ASSERT_LE(std::abs(o.markerPhase + L * o.chargeRatio), 1.25);
                    }
                }
            }
        }
    }
}

TEST(OscillatorModel, StartsFromFullChargeWithNoCurrent)
{
    const Outputs o = DampedStep(3.14, 0, 255, 0.0, false);
    EXPECT_EQ(o.current, 0.0);
    EXPECT_EQ(o.currentDirection, -1); // a current of exactly 0 counts as negative
    EXPECT_EQ(o.chargeRatio, 1.0);
    EXPECT_EQ(o.plateCharge, 255);
    EXPECT_EQ(o.currentLevel, 0);
    EXPECT_EQ(o.markerPhase, -255); // Int(-255 * sin(1.57)) = Int(-254.99992)
    EXPECT_EQ(o.graphU, 1.0);       // graphAmp / 255 with graphAmp 255
    EXPECT_EQ(o.graphI, 0.0);

    // Swapped plates: the charge starts reversed, its magnitude and the current do not.
    const Outputs swapped = DampedStep(3.14, 0, 255, 0.0, true);
    EXPECT_EQ(swapped.chargeRatio, std::cos(3.14));
    EXPECT_NEAR(swapped.chargeRatio, -0.9999987, 1e-7);
    EXPECT_EQ(swapped.plateCharge, 255);
    EXPECT_EQ(swapped.current, 0.0);
    EXPECT_EQ(swapped.markerPhase, 254); // Int(255 * 0.99999...) with the phase pi
}

TEST(OscillatorModel, PeriodAtSettingFive)
{
    EXPECT_EQ(DampedStep(physics::OmegaForSetting(5, 3.14), 0, 255, 1.0, 0).period, 2.0);
    const Outputs damped = DampedStep(3.14, 3.14 * 0.5, 255, 1.0, 0);
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
    const Outputs o = DampedStep(3.14, 0, 1, t, 0);
    EXPECT_NEAR(-std::sin(3.14 * t), -0.3, 1e-12);
    EXPECT_EQ(o.currentLevel, -1);
}

TEST(OscillatorModel, LevelsStayInRangeForAnyInput)
{
    for (int L : {-5, 256, 1000, INT_MAX, INT_MIN}) {
        for (double t : {-1000.0, -1.0, 0.0, 0.3, 7.0}) {
            for (double beta : {0.0, 1.57}) {
                for (bool polarity : {false, true}) {
                    const Outputs o = DampedStep(3.14, beta, L, t, polarity);
                    EXPECT_GE(o.plateCharge, 0);
                    EXPECT_LE(o.plateCharge, 255);
                    EXPECT_LE(std::abs(o.currentLevel), 255);
                    EXPECT_LE(std::abs(o.markerPhase), 255);
                }
            }
        }
    }
}

} // namespace
