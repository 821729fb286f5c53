#include "markers/charge_marker.h"

#include <QPainter>
#include <algorithm>

namespace markers {

namespace {
constexpr double kStrokeShare = 0.14;  // stroke width as a share of the short side
constexpr double kArmShare = 0.30;     // half a stroke's length as a share of the short side
}  // namespace

ChargeMarker::ChargeMarker(QWidget* container, Glyph glyph, QColor back)
    : QWidget(container), glyph_(glyph), back_(back)
{
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void ChargeMarker::SetBackColor(QColor c)
{
    if (c == back_)
        return;
    back_ = c;
    update();
}

void ChargeMarker::SetVisible(bool v)
{
    if (v != !isHidden())
        setVisible(v);
}

void ChargeMarker::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), back_);
    // Black strokes read on every ground from white to pure red or pure blue.
    const int side = std::min(width(), height());
    const int stroke = std::max(1, static_cast<int>(side * kStrokeShare + 0.5));
    const int arm = std::max(1, static_cast<int>(side * kArmShare + 0.5));
    const int cx = width() / 2, cy = height() / 2;
    p.fillRect(QRect(cx - arm, cy - stroke / 2, 2 * arm + 1, stroke), Qt::black);
    if (glyph_ == Glyph::Plus)
        p.fillRect(QRect(cx - stroke / 2, cy - arm, stroke, 2 * arm + 1), Qt::black);
}

}  // namespace markers
