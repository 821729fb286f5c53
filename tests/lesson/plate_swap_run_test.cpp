// The plates swap at every zero of the charge, whatever the frequency and the resistance, at a
// display's 60 frames a second and at the 20 of a busy machine, over whole lessons.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "lesson/lesson.h"
#include "physics/circuit_parameters.h"
#include "physics/oscillator.h"

namespace {

struct RunResult {
    int swaps = 0;
    int zeros = 0;          // of q(t) = e^(-beta t) cos(w t) up to the last step, by formula
    int wrongPolarity = 0;  // steps with a visible charge on the wrong plate
    bool endsNearZero = false;
};

// A lesson charged full, then oscillating at frequency setting v and resistance setting k (0: no
// resistor), a frame every dt until the run ends at its time limit.
RunResult RunFromFullCharge(int v, int k, double dt)
{
    const double pi = physics::kProgramPi;
    double omega0 = 0, beta = 0;
    physics::UpdateCircuitParameters(v, k, pi, omega0, beta);
    if (k == 0)
        beta = 0;
    const double w = std::sqrt(omega0 * omega0 - beta * beta);
    const int threshold = physics::SwapThresholdForSetting(v);

    lesson::Lesson l;
    l.SetFrequency(v);
    if (k > 0) {
        l.SetResistance(k);
        l.PutResistorIn();
    }
    l.Charge(0);
    l.Advance(20);  // long past full
    l.Stop();
    const double t0 = 20;
    l.Start(t0);
    RunResult r;
    for (long n = 0; l.Running(); ++n) {
        const double t = n * dt;
        // A heavily damped charge falls below the smallest normal double long before the run
        // ends (e^(-3.14 t) at about 225 s); beyond that its sign is rounding, not physics.
        if (std::exp(-beta * t) < std::numeric_limits<double>::min())
            break;
        l.Advance(t0 + t);
        if (!l.Running())
            break;
        r.swaps += l.LastFrame().platesSwapNow;
        // cos(w t) is zero at (j + 1/2) pi / w, j = 0, 1, ... (the true pi: the model's 3.14
        // only sets w)
        r.zeros = static_cast<int>(std::floor(t * w / std::numbers::pi + 0.5));
        const lesson::LessonState& s = l.State();
        if (s.plateCharge >= threshold && s.platesSwapped != (r.zeros % 2 == 1))
            ++r.wrongPolarity;
        r.endsNearZero = s.plateCharge < threshold;
    }
    return r;
}

}  // namespace

TEST(PlateSwapRun, EveryZeroOfTheChargeSwapsThePlatesAtEveryFrameRateSpeedAndInSteps)
{
    // 60 frames a second at ×1 and at ×5, 20 at ×1, and single steps of a fortieth of a period.
    for (const double frame : {1.0 / 60, 5.0 / 60, 1.0 / 20, 0.0}) {
        for (int v = 1; v <= 7; ++v) {
            for (int k = 0; k <= 5; ++k) {  // 0: free, 1..5: the resistance settings
                double omega0 = 0, beta = 0;
                physics::UpdateCircuitParameters(v, k, physics::kProgramPi, omega0, beta);
                const double w = std::sqrt(omega0 * omega0 - (k ? beta * beta : 0));
                const double dt = frame > 0 ? frame : 2 * physics::kProgramPi / w / 40;
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
