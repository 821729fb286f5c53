#pragma once

// The oscillator model: charge, current and levels of the LC/RLC circuit at a
// time t after the switch was thrown onto the coil.

#include "physics/arithmetic.h"

#include <functional>

namespace physics {

// What the model reads from and writes to the window besides its arguments.
// The window builds one around its own fields before calling the model:
// inputs are copied in, the critical discharge's graph values are written
// through the two references straight into the window's fields.
struct ModelEnvironment {
    ModelEnvironment(double& graphUField, double& graphIField)
        : graphU(graphUField), graphI(graphIField)
    {
    }

    double pi = kProgramPi;     // the window's pi field
    double beta = 0.0;          // damping coefficient, 1/s; 0 = no resistor
    int graphAmp = 0;           // level; the charge level copied at the start of the run
    bool platesSwapped = false; // picdown stands at the upper plate position (top 3000 twips)
    double& graphU;             // written by ComputeCriticalDischarge
    double& graphI;             // written by ComputeCriticalDischarge
    // The run's time limit was passed. The window fills it with
    // "RestoreIdleControls, then the run state goes idle". May be left empty.
    std::function<void()> endRun;
};

// Underdamped and free oscillation (beta < omega; beta == 0 is the LC circuit).
// omega comes in as the undamped angular frequency and leaves as the damped one
// sqrt(omega^2 - beta^2), so the caller sets it afresh before every call.
// current carries no phase; chargeRatio, currentLevel and markerPhase carry the
// phase polarity * pi. plateCharge is the magnitude of the charge, 0..255.
// Past 600 s (free) or 300 s (damped) env.endRun is called and the step is
// still computed in full.
void ComputeDampedOscillation(double& omega, double& current, int& currentDirection,
                              double& chargeRatio, int& plateCharge, int& currentLevel,
                              int& markerPhase, double& period, const int& chargeLevel,
                              const double& t, bool polarity, double& graphU,
                              double& graphI, ModelEnvironment& env);

// Critically damped discharge (beta == omega): the capacitor empties once as
// e^(-beta t), with no oscillation, and swapLock is set so the plates stay put.
// markerPhase takes the sign -1 when the plate boxes stand swapped.
// Writes env.graphU and env.graphI; omega is not touched. Past 300 s env.endRun
// is called and the step is still computed in full.
void ComputeCriticalDischarge(double& current, int& currentDirection, double& chargeRatio,
                              int& plateCharge, int& currentLevel, int& markerPhase,
                              const int& chargeLevel, const double& t, bool& swapLock,
                              ModelEnvironment& env);

// Which procedure a step runs for the omega and beta it starts with (the
// damped procedure's new omega is compared again by ComputeOscillationStep).
// The comparisons are exact comparisons of doubles, as the loop makes them.
// Mathematically equal pairs are not always equal in doubles: starting at
// Slider1 5 with Slider2 5 (beta = 3.14 * 0.5 = 1.57) and moving Slider1 to 4
// (omega = 3.14 / 2) gives exactly 1.57 == 1.57, and 7 -> 5 gives 3.14 == 3.14,
// so both go Critical; but starting at 7 with Slider2 1 (beta = 6.28 * 0.05 =
// 0.31400000000000006) and moving to 2 (omega = 3.14 / 10 = 0.314) leaves
// beta just above omega, so that model stands Frozen.
enum class ModelChoice { Damped, Critical, Frozen };
ModelChoice ChooseModel(double omega, double beta);

// One model step as the oscillation loop makes it: if omega > beta the damped
// procedure runs; then, with omega as it now stands (the damped frequency if it
// ran), if omega == beta the critical one runs. When omega < beta neither runs
// and every output keeps its value (and no time limit is checked).
// beta is env.beta. The window passes its own graphU/graphI fields both here
// and as env.graphU/env.graphI.
void ComputeOscillationStep(double& omega, double& current, int& currentDirection,
                            double& chargeRatio, int& plateCharge, int& currentLevel,
                            int& markerPhase, double& period, const int& chargeLevel,
                            const double& t, bool polarity, double& graphU,
                            double& graphI, bool& swapLock, ModelEnvironment& env);

} // namespace physics
