#include "physics/oscillator.h"

#include <algorithm>
#include <cmath>

namespace physics {

namespace {

// Seconds a run may last before it ends by itself: a free oscillation keeps
// going twice as long as a damped one, which has died away by then.
constexpr double kFreeRunLimit = 600.0;    // s
constexpr double kDampedRunLimit = 300.0;  // s

// The levels stay in range whatever the caller hands in (a charge level
// outside 0..255, a negative time that makes e^(-beta t) exceed 1).
int ClampMagnitude(int level) { return std::clamp(level, 0, kFullLevel); }

int ClampSigned(int level) { return std::clamp(level, -kFullLevel, kFullLevel); }

}  // namespace

void ComputeDampedOscillation(const OscillatorInput& in, OscillatorOutput& out)
{
    const double pi = kProgramPi;
    const double beta = in.beta;
    const double t = in.t;

    if ((t > kFreeRunLimit && beta == 0) || (t > kDampedRunLimit && beta != 0)) {
        out.timeLimitPassed = true;
    }

    out.omega = std::sqrt(in.omega0 * in.omega0 - beta * beta);
    const double w = out.omega;
    const double decay = std::exp(-beta * t);

    out.current = -decay * std::sin(w * t);
    out.currentDirection = out.current > 0 ? 1 : -1;

    const double phase = in.polarity ? pi : 0.0;
    out.chargeRatio = decay * std::cos(w * t + phase);

    // The magnitude of the charge, as the square root of its square; no phase.
    const double charge = decay * std::cos(w * t);
    out.plateCharge = ClampMagnitude(Int(in.chargeLevel * std::sqrt(charge * charge)));

    out.currentLevel = ClampSigned(Int(in.chargeLevel * (-decay * std::sin(w * t + phase))));
    out.markerPhase = ClampSigned(Int(in.chargeLevel * (-decay * std::sin(w * t + pi / 2 + phase))));

    out.period = 2 * pi / w;
    out.graphU = out.chargeRatio * in.graphAmp / 255;
    out.graphI = out.current * in.graphAmp * w / 255;
}

void ComputeCriticalDischarge(const OscillatorInput& in, OscillatorOutput& out)
{
    const double beta = in.beta;
    const double t = in.t;

    if (t > kDampedRunLimit) {
        out.timeLimitPassed = true;
    }

    const int sign = in.platesSwapped ? -1 : 1;
    const double decay = std::exp(-beta * t);

    out.current = -beta * decay;
    out.currentDirection = out.current > 0 ? 1 : -1;
    out.chargeRatio = decay;
    out.plateCharge = ClampMagnitude(Int(in.chargeLevel * decay));
    out.currentLevel = ClampSigned(Int(in.chargeLevel * (-decay)));
    out.markerPhase = ClampSigned(Int(in.chargeLevel * (-decay))) * sign;
    out.swapLock = true;

    out.graphU = out.chargeRatio * in.graphAmp / 255;
    out.graphI = out.current * in.graphAmp / 255;
}

ModelChoice ChooseModel(double omega, double beta)
{
    if (omega > beta) {
        return ModelChoice::Damped;
    }
    if (omega == beta) {
        return ModelChoice::Critical;
    }
    return ModelChoice::Frozen;
}

OscillatorOutput ComputeOscillationStep(const OscillatorInput& in, OscillatorOutput last)
{
    OscillatorOutput out = last;
    out.omega = in.omega0;
    out.timeLimitPassed = false;
    if (ChooseModel(out.omega, in.beta) == ModelChoice::Damped) {
        ComputeDampedOscillation(in, out);
    }
    // The damped model has replaced omega by the damped frequency: it is compared afresh.
    if (ChooseModel(out.omega, in.beta) == ModelChoice::Critical) {
        ComputeCriticalDischarge(in, out);
    }
    return out;
}

}  // namespace physics
