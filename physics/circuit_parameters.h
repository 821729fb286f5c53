#pragma once

// The circuit's parameters from the two sliders: Slider1 (frequency setting,
// positions 1..7) and Slider2 (resistance setting, positions 1..5).
// A slider cannot give a position outside its range; should one arrive anyway
// it is taken as the nearest end of the range.

namespace physics {

// Angular frequency, rad/s, for frequency setting v:
// pi/30, pi/10, pi/6, pi/2, pi, 3*pi/2, 2*pi for v = 1..7
// (undamped periods 60, 20, 12, 4, 2, 1.33, 1 s with pi = 3.14).
double OmegaForSetting(int v, double pi);

// Damping factor f for resistance setting k (beta = omega * f):
// 0.05, 0.15, 0.3, 0.4, 0.5 for k = 1..5.
double DampingFactor(int k);

// Sets omega from slider1 and beta = omega * f from slider2, so beta always
// starts below omega and the oscillation starts underdamped.
void UpdateCircuitParameters(int slider1, int slider2, double pi, double& omega, double& beta);

// Scale of the current plot for frequency setting v: 2000, 600, 400, 150, 70, 40, 25.
int GraphIScaleForSetting(int v);

// Charge level below which the plate boxes may swap, for frequency setting v:
// 4, 5, 6, 7, 20, 30, 30.
int SwapThresholdForSetting(int v);

}  // namespace physics
