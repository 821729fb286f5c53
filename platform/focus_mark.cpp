#include "platform/focus_mark.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "platform/container.h"

namespace platform {

namespace {
constexpr int kMarkPx = 2;  // logical px: a one-pixel dotted frame was found too faint to see
}  // namespace

bool KeyboardFocusShown(const QWidget* w)
{
    return w->hasFocus() && w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void PaintFocusMark(QWidget* w)
{
    if (!KeyboardFocusShown(w))
        return;
    QPainter p(w);
    PaintFocusMark(p, w->rect());
}

void PaintFocusMark(QPainter& p, const QRect& where)
{
    // Drawn whole, then copied: a dotted line drawn under a clip starts its dots afresh at the
    // clip's edge, and a mark repainted in part (a wire beneath it changed) must be the mark
    // painted whole.
    const double dpr = p.deviceTransform().m11();
    QImage mark((QSizeF(where.size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    mark.setDevicePixelRatio(dpr);
    mark.fill(Qt::transparent);
    QPainter m(&mark);
    m.setPen(QPen(Qt::black, kMarkPx, Qt::DotLine));
    m.setBrush(Qt::NoBrush);
    m.drawRect(QRectF(QPointF(), where.size()).adjusted(kMarkPx / 2.0, kMarkPx / 2.0, -kMarkPx / 2.0, -kMarkPx / 2.0));
    m.end();
    p.drawImage(where.topLeft(), mark);
}

bool SwallowTooltipWhileDisabled(QWidget* w, QEvent* e)
{
    if (e->type() != QEvent::ToolTip || w->isEnabled())
        return false;
    e->accept();  // handled: the request goes no further up to the parent
    return true;
}

FocusMarkFollowsInput::FocusMarkFollowsInput(QWidget* window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

bool FocusMarkFollowsInput::eventFilter(QObject* watched, QEvent* e)
{
    const bool key = e->type() == QEvent::KeyPress;
    if ((!key && e->type() != QEvent::MouseButtonPress) || !watched->isWidgetType())
        return false;
    const bool shown = window_->testAttribute(Qt::WA_KeyboardFocusChange);
    if (static_cast<QWidget*>(watched)->window() != window_ || shown == key)
        return false;
    window_->setAttribute(Qt::WA_KeyboardFocusChange, key);
    // The focus may stay where it is (a key that moves nothing, a click on the scene).
    if (QWidget* focused = window_->focusWidget())
        Container::RepaintCovered(focused);
    return false;
}

}  // namespace platform
