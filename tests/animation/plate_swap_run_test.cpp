// The plates swap at every zero of the charge, whatever the frequency and the resistance, at a
// display's 60 frames a second and at the 20 of a busy machine, over whole runs.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "lesson/plate_swap.h"
#include "physics/circuit_parameters.h"
#include "physics/oscillator.h"

namespace {

struct RunResult {
    int swaps = 0;
    int zeros = 0;          // of q(t) = e^(-beta t) cos(w t) up to the last step, by formula
    int wrongPolarity = 0;  // steps with a visible charge on the wrong plate
    bool endsNearZero = false;
};

// A run of the model from full charge, stepped every dt until the time limit, with the plate
// boxes following the watch.
RunResult RunFromFullCharge(int v, int k, double dt)
{
    const double pi = physics::kProgramPi;
    double omega0 = 0, beta = 0;
    physics::UpdateCircuitParameters(v, k, pi, omega0, beta);
    if (k == 0)
        beta = 0;  // no resistor
    const double w = std::sqrt(omega0 * omega0 - beta * beta);
    const double limit = beta == 0 ? 600 : 300;
    const int threshold = physics::SwapThresholdForSetting(v);

    physics::OscillatorInput in;
    in.omega0 = physics::OmegaForSetting(v, pi);
    in.beta = beta;
    in.chargeLevel = in.graphAmp = 255;
    physics::OscillatorOutput out;
    animation::PlateSwapWatch watch;
    bool swapped = false;
    RunResult r;
    for (long n = 1; n * dt <= limit; ++n) {
        const double t = n * dt;
        // A heavily damped charge falls below the smallest normal double long before the run
        // ends (e^(-3.14 t) at about 225 s); beyond that its sign is rounding, not physics.
        if (std::exp(-beta * t) < std::numeric_limits<double>::min())
            break;
        in.t = t;
        out = physics::ComputeOscillationStep(in, out);
        if (watch.Step(out.plateCharge, threshold, out.chargeRatio, out.currentDirection, out.swapLock)) {
            swapped = !swapped;
            ++r.swaps;
        }
        // cos(w t) is zero at (j + 1/2) pi / w, j = 0, 1, ... (the true pi: the model's 3.14
        // only sets w)
        r.zeros = static_cast<int>(std::floor(t * w / std::numbers::pi + 0.5));
        if (out.plateCharge >= threshold && swapped != (r.zeros % 2 == 1))
            ++r.wrongPolarity;
        r.endsNearZero = out.plateCharge < threshold;
    }
    return r;
}

}  // namespace

TEST(PlateSwapRun, EveryZeroOfTheChargeSwapsThePlatesAtSixtyAndAtTwentyFrames)
{
    for (const double dt : {1.0 / 60, 1.0 / 20}) {
        for (int v = 1; v <= 7; ++v) {
            for (int k = 0; k <= 5; ++k) {  // 0: free, 1..5: the resistance settings
                const RunResult r = RunFromFullCharge(v, k, dt);
                SCOPED_TRACE(testing::Message() << "dt " << dt << " frequency " << v << " resistance " << k);
                EXPECT_EQ(r.wrongPolarity, 0);
                // A run may end just after a swap made ahead of its zero.
                EXPECT_EQ(r.swaps, r.zeros + (r.swaps != r.zeros && r.endsNearZero ? 1 : 0));
                EXPECT_GT(r.zeros, 1);
            }
        }
    }
}
