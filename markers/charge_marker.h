#pragma once
// The charge marker: a small square of one colour with a plus or a minus on it.
//
// The window writes only its visibility and its background colour; it stands where the
// layout put it in its box (a wire strip, a plate, a meter) and travels only with the box.
// The box paints it above its own drawing.
#include <QColor>

#include "platform/sprite.h"

namespace platform {
class Container;
}

namespace markers {

enum class Glyph { Plus, Minus };

class ChargeMarker : public platform::Sprite {
public:
    // The box takes the marker; `twips` is where it stands in the box.
    ChargeMarker(platform::Container* box, Glyph glyph, QColor back = QColor(255, 255, 255),
                 QRect twips = QRect(0, 0, 165, 165));

    Glyph Kind() const { return glyph_; }
    QColor BackColor() const { return back_; }
    void SetBackColor(QColor c);

    void Paint(QPainter& p, const QRect& rect) const override;

private:
    Glyph glyph_;
    QColor back_;
};

}  // namespace markers
