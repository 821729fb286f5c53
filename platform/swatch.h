#pragma once
// A small square of one colour (the graph's pens), of a fixed side in pixels at scale 1.
//
// A pen moves with every point the graph plots: as a sprite of the graph's box it costs a
// repaint of where it was and where it is, not the window system's moving of a widget.
#include <QColor>

#include "platform/sprite.h"

namespace platform {

class Swatch : public Sprite {
public:
    // The box takes the swatch; the square stands in the top-left corner of `twips`.
    Swatch(Container* box, QColor colour, int sidePx, QRect twips);
    void Paint(QPainter& p, const QRect& rect) const override;

private:
    QColor colour_;
    int sidePx_;
};

}  // namespace platform
