#include "platform/items.h"

#include <QPainter>
#include <algorithm>

#include "platform/container.h"

namespace platform {

void Item::SetVisible(bool v)
{
    if (v == visible_)
        return;
    visible_ = v;
    Changed();
}

void Item::Changed() { owner_->InvalidateBackdrop(); }

void LineItem::Paint(QPainter& p, const Mapping& m) const
{
    const int w = m.PenPx(width_);
    QPen pen(colour_);
    pen.setWidth(w == 1 ? 0 : w);
    pen.setCapStyle(w == 1 ? Qt::SquareCap : Qt::RoundCap);
    if (dotted_)
        pen.setStyle(Qt::DotLine);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(pen);
    p.drawLine(m.Point(line_.x1(), line_.y1()), m.Point(line_.x2(), line_.y2()));
}

void ShapeItem::Paint(QPainter& p, const Mapping& m) const
{
    const int bw = m.PenPx(borderPx_);
    QRect r = m.Rect(rect_.x(), rect_.y(), rect_.width(), rect_.height());
    if (kind_ == ShapeKind::Circle) {
        const int d = std::min(r.width(), r.height());
        r = QRect(r.x() + (r.width() - d) / 2, r.y() + (r.height() - d) / 2, d, d);
    }
    // The border lies inside the shape's rectangle.
    const QRectF inner = QRectF(r).adjusted(bw / 2.0, bw / 2.0, -bw / 2.0, -bw / 2.0);
    p.setRenderHint(QPainter::Antialiasing, kind_ != ShapeKind::Rectangle);
    QPen pen(border_);
    pen.setWidthF(bw);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(filled_ ? QBrush(fill_) : Qt::NoBrush);
    switch (kind_) {
    case ShapeKind::Rectangle: p.drawRect(inner); break;
    case ShapeKind::Rounded: {
        const double radius = std::min(inner.width(), inner.height()) / 4.0;
        p.drawRoundedRect(inner, radius, radius);
        break;
    }
    case ShapeKind::Circle: p.drawEllipse(inner); break;
    }
    p.setBrush(Qt::NoBrush);
}

void LabelItem::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed();
}

void LabelItem::SetBackColor(QColor c)
{
    if (c == back_)
        return;
    back_ = c;
    Changed();
}

void LabelItem::Paint(QPainter& p, const Mapping& m) const
{
    const QRect r = m.Rect(rect_.x(), rect_.y(), rect_.width(), rect_.height());
    if (!transparent_)
        p.fillRect(r, back_);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(MakeFont(font_, m.PixelsPerTwip()));
    p.setPen(fore_);
    p.save();
    p.setClipRect(r);
    p.drawText(r, static_cast<int>(align_) | Qt::TextWordWrap, caption_);
    p.restore();
}

void PictureItem::Paint(QPainter& p, const Mapping& m) const
{
    const QRect r = m.Rect(rect_.x(), rect_.y(), rect_.width(), rect_.height());
    if (r.isEmpty() || !painter_)
        return;
    p.drawImage(r.topLeft(), painter_(r.size()));
}

}  // namespace platform
