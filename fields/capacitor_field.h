#pragma once
// The capacitor's electric field: up to eight field lines between the plates, each a pair of
// elliptic arcs left and right of the plates' middle, in a grey that follows the charge, with
// arrowheads pointing from the positive plate (the box `picup`) to the negative one. Drawn on
// the window's own surface in window twips; the surface's erase colour erases.
#include <QColor>

#include "fields/field_tables.h"
#include "platform/surface.h"

namespace fields {

// How the capacitor and the circuit stand while its field is drawn.
struct CapacitorSetting {
    int picupTop = 0;         // twips: top of the positive plate's box
    int slider1 = 0;          // the frequency slider's position
    bool resistorIn = false;  // the resistor is in the circuit
};

// Draws lines 0..count (count 0..7, clamped) in `colour` and erases the lines above count
// with their arrowheads of both directions. The arrowheads point down while picupTop is
// 3000 (the positive plate on top) and up for any other top. While `swapLock` is set it also
// erases the arrowheads left from before the plates swapped near their middle: as many tips
// as slider1 gives, or count + 2 lines' worth of tips when the resistor is in the circuit.
void DrawCapacitorField(platform::Surface& window, const QColor& colour, int count, bool swapLock,
                        CapacitorSetting setting);

}  // namespace fields
