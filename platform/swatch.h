#pragma once
// A rectangle of one colour (an energy bar), or a small square of a fixed side in pixels at
// scale 1 in its corner (the graph's pens).
//
// A pen moves with every point the graph plots, a bar grows or shrinks on every frame: as a
// sprite of its box each costs a repaint of where it was and where it is, not the window
// system's moving of a widget.
#include <QColor>

#include "platform/sprite.h"

namespace platform {

class Swatch : public Sprite {
public:
    // The box takes the swatch. sidePx 0: it fills `twips`; else the square stands in the
    // top-left corner of `twips`.
    Swatch(Container* box, QColor colour, int sidePx, QRect twips);
    void Paint(QPainter& p, const QRect& rect) const override;

private:
    QColor colour_;
    int sidePx_;
};

}  // namespace platform
