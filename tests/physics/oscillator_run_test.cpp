// How a run moves between the damped, critical and frozen model, and how it
// ends by itself.

#include "physics/circuit_parameters.h"
#include "physics/oscillator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using physics::ModelChoice;
using physics::OscillatorInput;
using physics::OscillatorOutput;

// One run as the loop makes it: each step's outputs go into the next.
struct LoopRun : OscillatorOutput {
    double beta = 0;
    int chargeLevel = 255;
    bool platesSwapped = false;
    int stepsPastLimit = 0;

    // One loop step at time t with Slider1 at v.
    void Step(int v, double t)
    {
        OscillatorInput in;
        in.omega0 = physics::OmegaForSetting(v, physics::kProgramPi);
        in.beta = beta;
        in.t = t;
        in.chargeLevel = chargeLevel;
        in.graphAmp = chargeLevel;
        in.platesSwapped = platesSwapped;
        static_cast<OscillatorOutput&>(*this) = physics::ComputeOscillationStep(in, *this);
        stepsPastLimit += timeLimitPassed ? 1 : 0;
    }
};

TEST(OscillationRun, SliderLoweredDuringRunPicksTheModelByExactComparison)
{
    int critical = 0;
    for (int start = 1; start <= 7; ++start) {
        for (int k = 1; k <= 5; ++k) {
            double omega0 = 0, beta = 0;
            physics::UpdateCircuitParameters(start, k, 3.14, omega0, beta);
            for (int v = 1; v <= 7; ++v) {
                const double omega = physics::OmegaForSetting(v, 3.14);
                const ModelChoice choice = physics::ChooseModel(omega, beta);
                if (choice == ModelChoice::Critical) {
                    ++critical;
                    EXPECT_EQ(k, 5);
                    EXPECT_TRUE((start == 5 && v == 4) || (start == 7 && v == 5)) << start << v;
                } else {
                    EXPECT_EQ(choice == ModelChoice::Damped, omega > beta);
                }
            }
        }
    }
    EXPECT_EQ(critical, 2);

    // 2 * 3.14 * 0.05 equals 3.14 / 10 on paper, but not in doubles.
    double omega = 0, beta = 0;
    physics::UpdateCircuitParameters(7, 1, 3.14, omega, beta);
    EXPECT_EQ(beta, 0.31400000000000006);
    EXPECT_EQ(physics::ChooseModel(physics::OmegaForSetting(2, 3.14), beta), ModelChoice::Frozen);
}

TEST(OscillationRun, CriticalDischargeTakesOverAtEqualOmega)
{
    struct Case {
        int start, now;
    };
    for (Case c : {Case{5, 4}, Case{7, 5}}) {
        for (bool swapped : {false, true}) {
            LoopRun run;
            double omega0 = 0;
            physics::UpdateCircuitParameters(c.start, 5, 3.14, omega0, run.beta);
            run.platesSwapped = swapped;
            for (int i = 0; i <= 1000; ++i) {
                const double t = i * 0.01;
                run.Step(c.now, t);
                const double e = std::exp(-run.beta * t);
                const int falling = static_cast<int>(std::floor(255 * -e));
                ASSERT_EQ(run.omega, run.beta);  // untouched: the clock keeps the undamped period
                ASSERT_EQ(run.current, -run.beta * e);
                ASSERT_EQ(run.currentDirection, -1);
                ASSERT_EQ(run.chargeRatio, e);
                ASSERT_EQ(run.plateCharge, static_cast<int>(std::floor(255 * e)));
                ASSERT_EQ(run.currentLevel, falling);
                ASSERT_EQ(run.markerPhase, swapped ? -falling : falling);
                ASSERT_TRUE(run.swapLock);
                ASSERT_EQ(run.graphU, e * 255 / 255);
                ASSERT_EQ(run.graphI, -run.beta * e * 255 / 255);
            }
            EXPECT_EQ(2 * 3.14 / run.omega, c.now == 4 ? 4.0 : 2.0);
            EXPECT_EQ(run.stepsPastLimit, 0);
        }
    }
}

TEST(OscillationRun, FrozenModelKeepsItsOutputsAndNeverEnds)
{
    LoopRun run;
    double omega0 = 0;
    physics::UpdateCircuitParameters(5, 5, 3.14, omega0, run.beta);
    run.Step(5, 0.7);
    const LoopRun before = run;
    for (double t : {0.8, 301.0, 1000.0}) {
        run.Step(3, t);  // omega 0.523 < beta 1.57
        EXPECT_EQ(run.plateCharge, before.plateCharge);
        EXPECT_EQ(run.currentLevel, before.currentLevel);
        EXPECT_EQ(run.markerPhase, before.markerPhase);
        EXPECT_EQ(run.chargeRatio, before.chargeRatio);
        EXPECT_EQ(run.graphI, before.graphI);
        EXPECT_FALSE(run.swapLock);
    }
    EXPECT_EQ(run.stepsPastLimit, 0);
}

TEST(OscillationRun, DampedFrequencyEqualToBetaHandsOverInTheSameStep)
{
    // Not reachable from the sliders, but the loop compares again after the
    // damped procedure: here sqrt(omega^2 - beta^2) comes out exactly beta.
    const double beta = 0.6240205520383647;
    OscillatorInput in;
    in.omega0 = 0.8824983278922011;
    in.beta = beta;
    in.t = 1.0;
    in.chargeLevel = in.graphAmp = 255;
    const OscillatorOutput out = physics::ComputeOscillationStep(in, {});
    EXPECT_EQ(out.omega, beta);
    EXPECT_TRUE(out.swapLock);
    EXPECT_EQ(out.chargeRatio, std::exp(-beta * 1.0));
    EXPECT_EQ(out.graphI, -beta * std::exp(-beta) * 255 / 255);
}

TEST(OscillationRun, EndsJustAfterItsTimeLimitAndStillComputesTheStep)
{
    struct Case {
        int k;
        int v;
        double limit;
    };  // k 0: no resistor
    for (Case c : {Case{0, 5, 600}, Case{1, 5, 300}, Case{5, 4, 300}}) {
        LoopRun run;
        double omega0 = 0;
        if (c.k != 0) {
            physics::UpdateCircuitParameters(5, c.k, 3.14, omega0, run.beta);
        }
        run.Step(c.v, c.limit);
        EXPECT_EQ(run.stepsPastLimit, 0) << "at exactly " << c.limit << " s";
        const double t = c.limit + 0.001;
        run.Step(c.v, t);
        EXPECT_EQ(run.stepsPastLimit, 1);
        const double w0 = physics::OmegaForSetting(c.v, 3.14);
        const double w = run.beta == w0 ? 0 : std::sqrt(w0 * w0 - run.beta * run.beta);
        const double e = std::exp(-run.beta * t);
        EXPECT_EQ(run.chargeRatio, run.beta == w0 ? e : e * std::cos(w * t));
    }

    // A free oscillation goes on past 300 s.
    LoopRun freeRun;
    freeRun.Step(5, 450.0);
    EXPECT_EQ(freeRun.stepsPastLimit, 0);
    freeRun.Step(5, 700.0);
    EXPECT_EQ(freeRun.stepsPastLimit, 1);
    EXPECT_EQ(freeRun.plateCharge, static_cast<int>(std::floor(255 * std::fabs(std::cos(3.14 * 700.0)))));
}

TEST(OscillationRun, CriticalLevelsStayInRangeForAnyInput)
{
    for (int L : {-7, 300, 100000}) {
        for (bool swapped : {false, true}) {
            LoopRun run;
            run.beta = 1.57;
            run.chargeLevel = L;
            run.platesSwapped = swapped;
            run.Step(4, -50.0);
            EXPECT_GE(run.plateCharge, 0);
            EXPECT_LE(run.plateCharge, 255);
            EXPECT_LE(std::abs(run.currentLevel), 255);
            EXPECT_LE(std::abs(run.markerPhase), 255);
        }
    }
}

}  // namespace
