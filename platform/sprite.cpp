#include "platform/sprite.h"

#include "platform/container.h"
#include "platform/placement.h"
#include "platform/twips.h"

namespace platform {

Sprite::Sprite(Container* owner, QRect twips) : owner_(owner), twips_(twips) { owner_->Adopt(this); }

void Sprite::SetVisible(bool v)
{
    if (v == shown_)
        return;
    shown_ = v;
    Changed();
}

void Sprite::SetTwips(const QRect& twips)
{
    if (twips == twips_)
        return;
    Changed();  // where it was
    twips_ = twips;
    Changed();
}

QRect Sprite::Geometry() const
{
    // Mapped edge by edge in the container's frame, as a child widget placed there would be.
    const Mapping m = LogicalMapping();
    if (!parentFrame_)
        return m.Rect(twips_.x(), twips_.y(), twips_.width(), twips_.height());
    const QPoint box = TwipsRect(owner_).topLeft();
    return m.Rect(box.x() + twips_.x(), box.y() + twips_.y(), twips_.width(), twips_.height())
        .translated(-m.Point(box.x(), box.y()));
}

void Sprite::Changed() { owner_->SpriteChanged(*this); }

}  // namespace platform
