#pragma once
// The coil's magnetic field: concentric rings around both ends of the coil, as many as the
// current's level, in a grey that follows the current, with arrowheads on their outermost
// points that show the field's direction. All drawing is on the window's own surface, in
// window twips; drawing in the surface's erase colour (the window background) erases.
#include <QColor>

#include "fields/field_tables.h"
#include "platform/surface.h"

namespace fields {

// Draws rings 0..level (0..4) around both coil ends in `colour`, with arrowheads of the
// current's direction on each (a positive current points them down the screen, a negative
// one up), and removes every ring and arrowhead that this call does not want: those of the
// other direction and all those above `level`. A current of exactly 0 draws nothing.
// Whatever the previous calls drew, the window ends up as if only this call had been made
// on a window showing just the coil lines.
void DrawCoilField(platform::Surface& window, const QColor& colour, int level, double current);

// Removes the whole field (all five levels, arrowheads of both directions) whatever the last
// current was, then redraws the coil lines. Used when a run stops.
void EraseCoilField(platform::Surface& window);

// The four black lines across the coil picture, drawn above the field; the window's paint
// handler calls this too.
void RedrawCoilLines(platform::Surface& window);

}  // namespace fields
