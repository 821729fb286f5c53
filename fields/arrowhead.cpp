#include "fields/arrowhead.h"

namespace fields {

void DrawArrowhead(platform::Surface& surface, double tipX, const ArrowheadShape& shape, int direction,
                   const QColor& colour)
{
    const double barbY = shape.tipY + shape.barbDy * direction;
    surface.Line(tipX, shape.tipY, tipX + shape.barbDx, barbY, colour);
    surface.Line(tipX, shape.tipY, tipX - shape.barbDx, barbY, colour);
}

bool ArrowheadDrawnIn(const platform::Surface& surface, double tipX, const ArrowheadShape& shape, int direction,
                      const QColor& colour)
{
    const double barbY = shape.tipY + shape.barbDy * direction;
    for (const double barbX : {tipX + shape.barbDx, tipX - shape.barbDx})
        if (surface.LineColour(tipX, shape.tipY, barbX, barbY).rgba() != colour.rgba())
            return false;
    return true;
}

}  // namespace fields
