#include "physics/oscillator.h"

#include <algorithm>
#include <cmath>

namespace physics {

namespace {

// Seconds a run may last before it ends by itself: a free oscillation keeps
// going twice as long as a damped one, which has died away by then.
constexpr double kFreeRunLimit = 600.0;   // s
constexpr double kDampedRunLimit = 300.0; // s

// The levels stay in range whatever the caller hands in (a charge level
// outside 0..255, a negative time that makes e^(-beta t) exceed 1).
int ClampMagnitude(int level)
{
    return std::clamp(level, 0, kFullLevel);
}

int ClampSigned(int level)
{
    return std::clamp(level, -kFullLevel, kFullLevel);
}

void EndRun(ModelEnvironment& env)
{
    if (env.endRun) {
        env.endRun();
    }
}

} // namespace

void ComputeDampedOscillation(double& omega, double& current, int& currentDirection,
                              double& chargeRatio, int& plateCharge, int& currentLevel,
                              int& markerPhase, double& period, const int& chargeLevel,
                              const double& t, bool polarity, double& graphU,
                              double& graphI, ModelEnvironment& env)
{
    const double pi = env.pi;
    const double beta = env.beta;

    if ((t > kFreeRunLimit && beta == 0) || (t > kDampedRunLimit && beta != 0)) {
        EndRun(env);
    }

    omega = std::sqrt(omega * omega - beta * beta);
    const double w = omega;
    const double decay = std::exp(-beta * t);

    current = -decay * std::sin(w * t);
    currentDirection = current > 0 ? 1 : -1;

    const double phase = polarity ? pi : 0.0;
    chargeRatio = decay * std::cos(w * t + phase);

    // The magnitude of the charge, as the square root of its square; no phase.
    const double charge = decay * std::cos(w * t);
    plateCharge = ClampMagnitude(Int(chargeLevel * std::sqrt(charge * charge)));

    currentLevel = ClampSigned(Int(chargeLevel * (-decay * std::sin(w * t + phase))));
    markerPhase = ClampSigned(Int(chargeLevel * (-decay * std::sin(w * t + pi / 2 + phase))));

    period = 2 * pi / w;
    graphU = chargeRatio * env.graphAmp / 255;
    graphI = current * env.graphAmp * w / 255;
}

void ComputeCriticalDischarge(double& current, int& currentDirection, double& chargeRatio,
                              int& plateCharge, int& currentLevel, int& markerPhase,
                              const int& chargeLevel, const double& t, bool& swapLock,
                              ModelEnvironment& env)
{
    const double beta = env.beta;

    if (t > kDampedRunLimit) {
        EndRun(env);
    }

    const int sign = env.platesSwapped ? -1 : 1;
    const double decay = std::exp(-beta * t);

    current = -beta * decay;
    currentDirection = current > 0 ? 1 : -1;
    chargeRatio = decay;
    plateCharge = ClampMagnitude(Int(chargeLevel * decay));
    currentLevel = ClampSigned(Int(chargeLevel * (-decay)));
    markerPhase = ClampSigned(Int(chargeLevel * (-decay))) * sign;
    swapLock = true;

    env.graphU = chargeRatio * env.graphAmp / 255;
    env.graphI = current * env.graphAmp / 255;
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

void ComputeOscillationStep(double& omega, double& current, int& currentDirection,
                            double& chargeRatio, int& plateCharge, int& currentLevel,
                            int& markerPhase, double& period, const int& chargeLevel,
                            const double& t, bool polarity, double& graphU,
                            double& graphI, bool& swapLock, ModelEnvironment& env)
{
    if (ChooseModel(omega, env.beta) == ModelChoice::Damped) {
        ComputeDampedOscillation(omega, current, currentDirection, chargeRatio, plateCharge,
                                 currentLevel, markerPhase, period, chargeLevel, t, polarity,
                                 graphU, graphI, env);
    }
    // The damped model has replaced omega by the damped frequency: it is compared afresh.
    if (ChooseModel(omega, env.beta) == ModelChoice::Critical) {
        ComputeCriticalDischarge(current, currentDirection, chargeRatio, plateCharge,
                                 currentLevel, markerPhase, chargeLevel, t, swapLock, env);
    }
}

} // namespace physics
