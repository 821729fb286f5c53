#pragma once
// The small arrowheads that show a field's direction: two strokes from a tip to a barb on
// either side, the barb on the +x side first.
#include <QColor>

#include "platform/surface.h"

namespace fields {

struct ArrowheadShape {
    double tipY;    // twips: every arrowhead of a field has its tip on this row
    double barbDx;  // twips: sideways distance from the tip to each barb
    double barbDy;  // twips: distance along y from the tip to the barbs
};

// direction +1 puts the barbs below the tip (the arrowhead points up the screen),
// -1 puts them above it (the arrowhead points down).
void DrawArrowhead(platform::Surface& surface, double tipX, const ArrowheadShape& shape, int direction,
                   const QColor& colour);

}  // namespace fields
