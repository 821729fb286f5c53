#pragma once

// The oscillator model: charge, current and levels of the LC/RLC circuit at a
// time t after the switch was thrown onto the coil.

#include "physics/arithmetic.h"

namespace physics {

// What one step of the model reads.
struct OscillatorInput {
    double omega0 = 0;           // rad/s: the undamped frequency of the slider's setting
    double beta = 0;             // 1/s: damping coefficient; 0 = no resistor
    double t = 0;                // s since the switch was thrown onto the coil
    int chargeLevel = 0;         // level the run started from
    int graphAmp = 0;            // level; the charge level copied at the start of the run
    bool polarity = false;       // the plate boxes stood swapped when the run started
    bool platesSwapped = false;  // picdown stands at the upper plate position now
};

// What a step leaves behind. A step that computes nothing (omega < beta) hands
// back the outputs it was given, so the caller passes in its last ones.
struct OscillatorOutput {
    double omega = 0;          // rad/s: the damped frequency, or omega0 if the damped model did not run
    double current = 0;        // normalised, -1..1
    int currentDirection = 0;  // 1 or -1 (a current of exactly 0 counts as -1)
    double chargeRatio = 0;    // -1..1, with the run's polarity
    int plateCharge = 0;       // level, magnitude 0..255
    int currentLevel = 0;      // level, -255..255
    int markerPhase = 0;       // level, -255..255: where the wire markers stand
    double period = 0;         // s
    double graphU = 0, graphI = 0;
    bool swapLock = false;         // set by the critical discharge: the plates stay put
    bool timeLimitPassed = false;  // the run has lasted past its limit and must end
};

// Underdamped and free oscillation (beta < omega0; beta == 0 is the LC circuit).
// out.omega becomes the damped frequency sqrt(omega0^2 - beta^2).
// current carries no phase; chargeRatio, currentLevel and markerPhase carry the
// phase polarity * pi. Past 600 s (free) or 300 s (damped) timeLimitPassed is
// set and the step is still computed in full.
void ComputeDampedOscillation(const OscillatorInput& in, OscillatorOutput& out);

// Critically damped discharge (beta == omega): the capacitor empties once as
// e^(-beta t), with no oscillation, and swapLock is set so the plates stay put.
// markerPhase takes the sign -1 when the plate boxes stand swapped. omega and
// period are not touched. Past 300 s timeLimitPassed is set and the step is
// still computed in full.
void ComputeCriticalDischarge(const OscillatorInput& in, OscillatorOutput& out);

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

// One model step as the oscillation loop makes it: omega starts at omega0; if
// omega > beta the damped procedure runs; then, with omega as it now stands
// (the damped frequency if it ran), if omega == beta the critical one runs.
// When omega < beta neither runs and every output but omega keeps the value in
// `last` (and no time limit is checked).
OscillatorOutput ComputeOscillationStep(const OscillatorInput& in, OscillatorOutput last);

}  // namespace physics
