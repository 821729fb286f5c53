#include "fields/arrowhead.h"

namespace fields {

void DrawArrowhead(platform::Surface& surface, double tipX, const ArrowheadShape& shape, int direction,
                   const QColor& colour)
{
    const double barbY = shape.tipY + shape.barbDy * direction;
    surface.Line(tipX, shape.tipY, tipX + shape.barbDx, barbY, colour);
    surface.Line(tipX, shape.tipY, tipX - shape.barbDx, barbY, colour);
}

}  // namespace fields
