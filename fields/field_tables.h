#pragma once
// The window's field-drawing tables: where the field lines, rings and arrowheads of the coil
// and the capacitor lie. They are filled once when the window loads and never change.
#include <array>

namespace fields {

// Left or right arrowhead tips of the coil's rings, levels 0..4 (index 5 unused, 0).
using CoilTipTable = std::array<int, 6>;
// Height : width of each capacitor field line's ellipse, lines 0..7 (index 8 unused, 0).
using CapAspectTable = std::array<double, 9>;
// Vertical semi-axis in twips of each capacitor field line's ellipse (index 8 unused, 0).
using CapRadiusTable = std::array<int, 9>;
// Arrowhead tips of the capacitor field lines in twips, left/right pairs 0/1 .. 14/15
// spreading out from the middle of the plates (indices 16..20 unused, 0).
using CapTipTable = std::array<int, 21>;

CoilTipTable StartCoilFieldLeftX();
CoilTipTable StartCoilFieldRightX();
CapAspectTable StartCapFieldAspect();
CapRadiusTable StartCapFieldRadius();
CapTipTable StartCapFieldX();

}  // namespace fields
