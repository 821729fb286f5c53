#pragma once

// Widths of the two energy bars, in twips. The electric bar grows to the right
// from x = 5720, the magnetic bar to the left from x = 5690.

namespace physics {

// Electric bar width, Int(chargeRatio^2 * chargeLevel * 2175 / 255), during an
// oscillation (chargeRatio is the normalised charge, -1..1).
int ElectricBarWidth(double chargeRatio, int chargeLevel);

// Magnetic bar left edge, Int(5690 - c^2 / chargeLevel * 2135 / 255), for the
// current level magnitude c; its width is 5690 minus this edge.
// Only for chargeLevel != 0 (the loop skips the bar for an empty capacitor).
int MagneticBarLeft(int c, int chargeLevel);

// Electric bar width while charging, Int(2145 * chargeLevel^2 / 255^2).
int ChargingBarWidth(int chargeLevel);

}  // namespace physics
