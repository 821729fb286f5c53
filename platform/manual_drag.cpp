#include "platform/manual_drag.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>

#include "platform/twips.h"

namespace platform {

QPointF LogicalToTwips(QPointF logical)
{
    const double k = LogicalMapping().PixelsPerTwip();
    return QPointF(logical.x() / k, logical.y() / k);
}

ManualDrag::ManualDrag(QWidget* window)
    : QObject(window), window_(window), outline_(new QRubberBand(QRubberBand::Rectangle, window))
{
    outline_->hide();
}

void ManualDrag::Start(QWidget* box, QPoint grabLogical)
{
    if (box_)
        return;
    box_ = box;
    grab_ = grabLogical;
    box_->installEventFilter(this);
    outline_->setGeometry(box_->geometry());
    outline_->raise();
    outline_->show();
}

void ManualDrag::MoveTo(QPoint windowLogical)
{
    if (!box_)
        return;
    outline_->setGeometry(QRect(windowLogical - grab_, box_->size()));
}

void ManualDrag::DropAt(QPoint windowLogical)
{
    if (!box_)
        return;
    box_->removeEventFilter(this);
    box_ = nullptr;
    outline_->hide();
    QWidget* target = window_->childAt(windowLogical);
    if (onDrop)
        onDrop(target, LogicalToTwips(QPointF(windowLogical - SceneOrigin())));
}

bool ManualDrag::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != box_)
        return QObject::eventFilter(watched, e);
    if (e->type() == QEvent::MouseMove) {
        auto* me = static_cast<QMouseEvent*>(e);
        MoveTo(window_->mapFromGlobal(me->globalPosition().toPoint()));
        return true;
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton) {
            DropAt(window_->mapFromGlobal(me->globalPosition().toPoint()));
            return true;
        }
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace platform
