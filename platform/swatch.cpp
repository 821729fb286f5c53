#include "platform/swatch.h"

#include <QPainter>

#include "platform/twips.h"

namespace platform {

Swatch::Swatch(Container* box, QColor colour, int sidePx, QRect twips)
    : Sprite(box, twips), colour_(colour), sidePx_(sidePx)
{
}

void Swatch::Paint(QPainter& p, const QRect& rect) const
{
    if (sidePx_ == 0) {
        p.fillRect(rect, colour_);
        return;
    }
    // Kept within its rectangle, which is all that is repainted when it moves.
    const int side = LogicalMapping().PenPx(sidePx_);
    p.fillRect(QRect(rect.topLeft(), QSize(side, side)) & rect, colour_);
}

}  // namespace platform
