#pragma once
// Where the field lines, rings and arrowheads of the coil and the capacitor lie: fixed numbers
// of the scene, in window twips.
#include <array>

namespace fields {

// Left or right arrowhead tips of the coil's rings, levels 0..4 (index 5 unused, 0).
using CoilTipTable = std::array<int, 6>;
// Height : width of each capacitor field line's ellipse, lines 0..7 (index 8 unused, 0).
using CapAspectTable = std::array<double, 9>;
// Vertical semi-axis in twips of each capacitor field line's ellipse (index 8 unused, 0).
using CapRadiusTable = std::array<int, 9>;
// Arrowhead tips of the capacitor field lines in twips, left/right pairs 0/1 .. 14/15
// spreading out from the middle of the plates (indices 16..20 unused, 0; the swap clean-up
// can reach them).
using CapTipTable = std::array<int, 21>;

inline constexpr CoilTipTable kCoilFieldLeftX{1190, 1030, 870, 700, 520, 0};
inline constexpr CoilTipTable kCoilFieldRightX{4960, 5130, 5290, 5460, 5640, 0};
inline constexpr CapAspectTable kCapFieldAspect{15, 6, 3.2, 2.3, 1.8, 1.5, 1.35, 1.1, 0};
inline constexpr CapRadiusTable kCapFieldRadius{1100, 1100, 1100, 1100, 1100, 1100, 1200, 1200, 0};
inline constexpr CapTipTable kCapFieldX{8250, 8400, 8140, 8520, 7990, 8670, 7850, 8800, 7740, 8940, 7610,
                                        9060, 7450, 9230, 7250, 9420, 0,    0,    0,    0,    0};

}  // namespace fields
