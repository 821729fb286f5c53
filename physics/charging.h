#pragma once

// The arithmetic of one charging step: the capacitor fills from the source
// with an exponential law, from start level q0 towards 255, with time
// constant tau. t is seconds since the charging began (a monotonic clock).
// Levels stay in 0..255 and marker groups within their rows whatever the input.

namespace physics {

// Time constant, s, from the two option buttons, as the step reads them:
// fast gives 0.25, then slow (if selected) gives 2. With neither selected,
// which the option buttons cannot show, the start-up choice fast is taken.
double ChargingTimeConstant(bool fastSelected, bool slowSelected);

// Charging current level I = Int((255 - q0) * e^(-t/tau)), 0..255.
int ChargingCurrentLevel(int q0, double t, double tau);

// Charge level reached, q0 + Int((1 - e^(-t/tau)) * (255 - q0)), 0..255.
int ChargedLevel(int q0, double t, double tau);

// Ammeter level a = I * e^(-t/tau) (so the ammeter falls as e^(-2t/tau)), 0..255.
double AmmeterChargingLevel(int I, double t, double tau);

// Voltmeter deflection, degrees, 60 * chargeLevel / 255 (60 at full charge).
double ChargingVoltmeterAngle(int chargeLevel);

// First index of the group of five charging markers, 33 - Int(I / 7.7):
// 0 at full current, 33 with none; kept within 0..33.
int ChargingMarkerGroup(int I);

// First index of the group of five oscillation wire markers,
// 21 - Int(markerPhase / 12); kept within 0..43.
int OscillationMarkerGroup(int markerPhase);

}  // namespace physics
