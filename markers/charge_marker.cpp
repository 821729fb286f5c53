#include "markers/charge_marker.h"

#include <QPainter>
#include <algorithm>

namespace markers {

namespace {
constexpr double kStrokeShare = 0.14;  // stroke width as a share of the short side
constexpr double kArmShare = 0.30;     // half a stroke's length as a share of the short side
}  // namespace

ChargeMarker::ChargeMarker(platform::Container* box, Glyph glyph, QColor back, QRect twips)
    : Sprite(box, twips), glyph_(glyph), back_(back)
{
}

void ChargeMarker::SetBackColor(QColor c)
{
    if (c == back_)
        return;
    back_ = c;
    if (IsShown())
        Changed();
}

void ChargeMarker::Paint(QPainter& p, const QRect& rect) const
{
    p.fillRect(rect, back_);
    // Black strokes read on every ground from white to pure red or pure blue.
    const int side = std::min(rect.width(), rect.height());
    const int stroke = std::max(1, static_cast<int>(side * kStrokeShare + 0.5));
    const int arm = std::max(1, static_cast<int>(side * kArmShare + 0.5));
    const int cx = rect.x() + rect.width() / 2, cy = rect.y() + rect.height() / 2;
    p.fillRect(QRect(cx - arm, cy - stroke / 2, 2 * arm + 1, stroke), Qt::black);
    if (glyph_ == Glyph::Plus)
        p.fillRect(QRect(cx - stroke / 2, cy - arm, stroke, 2 * arm + 1), Qt::black);
}

}  // namespace markers
