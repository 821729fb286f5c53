#include "platform/controls.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include "platform/twips.h"

namespace platform {

HotArea::HotArea(QWidget* parent, const QString& tooltip, bool clickable)
    : QWidget(parent), clickable_(clickable)
{
    setToolTip(tooltip);
    setAccessibleName(tooltip.trimmed());
    setAccessibleDescription(tooltip);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setAttribute(Qt::WA_NoSystemBackground, true);
    if (clickable_) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    }
}

void HotArea::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (clickable_ && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void HotArea::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QPainter p(this);
    QPen pen(Qt::black, 0, Qt::DotLine);
    p.setPen(pen);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool HotArea::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip && !isEnabled())
        return true;  // a disabled hot area keeps its tooltip to itself
    return QWidget::event(e);
}

void HotArea::mousePressEvent(QMouseEvent* e)
{
    if (!clickable_) {
        e->ignore();
        return;
    }
    pressed_ = e->button() == Qt::LeftButton;
}

void HotArea::mouseReleaseEvent(QMouseEvent* e)
{
    if (!clickable_) {
        e->ignore();
        return;
    }
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void HotArea::Click()
{
    if (isEnabled() && clickable_)
        emit clicked();
}

PictureButton::PictureButton(QWidget* parent, const QString& tooltip, std::function<QPixmap(QSize)> picture)
    : QPushButton(parent), picture_(std::move(picture))
{
    setToolTip(tooltip);
    setAccessibleName(tooltip.trimmed());
    setAccessibleDescription(tooltip);
}

void PictureButton::paintEvent(QPaintEvent* e)
{
    QPushButton::paintEvent(e);
    if (!picture_)
        return;
    // The picture is drawn for the button's size at the device pixel ratio, never stretched.
    const double dpr = devicePixelRatioF();
    const QSize inner = size() - QSize(6, 6);
    if (inner.width() <= 0 || inner.height() <= 0)
        return;
    QPixmap pm = picture_(inner * dpr);
    pm.setDevicePixelRatio(dpr);
    QPainter p(this);
    if (!isEnabled())
        p.setOpacity(0.45);
    const int shift = isDown() ? 1 : 0;
    p.drawPixmap(3 + shift, 3 + shift, pm);
}

CaptionButton::CaptionButton(QWidget* parent, const QString& caption, const FontSpec& font)
    : QPushButton(caption, parent)
{
    SetFontSpec(this, font);
    setAccessibleName(caption.trimmed());
}

OptionButton::OptionButton(QWidget* parent, const QString& caption, const FontSpec& font, QColor fore)
    : QRadioButton(caption, parent)
{
    setAutoExclusive(false);
    SetFontSpec(this, font);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, fore);
    setPalette(pal);
    setAccessibleName(caption.trimmed());
}

void OptionButton::SetValue(bool v) { setChecked(v); }

void OptionButton::nextCheckState()
{
    setChecked(true);
    if (!parentWidget())
        return;
    for (OptionButton* other : parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly))
        if (other != this)
            other->setChecked(false);
}

Slider::Slider(QWidget* parent, int min, int max, int start, const QString& tooltip)
    : QSlider(Qt::Horizontal, parent)
{
    setRange(min, max);
    setValue(start);
    setSingleStep(1);
    setPageStep(1);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setToolTip(tooltip);
    setAccessibleName(tooltip);
    setFocusPolicy(Qt::StrongFocus);
}

TextLabel::TextLabel(QWidget* parent, const QString& text, const FontSpec& font, QColor back)
    : QWidget(parent), text_(text), back_(back)
{
    SetFontSpec(this, font);
    setAccessibleName(text);
    setFocusPolicy(Qt::NoFocus);
}

void TextLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), back_);
    p.setPen(Qt::black);
    p.setFont(font());
    p.drawText(rect().adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text_);
}

Swatch::Swatch(QWidget* parent, QColor colour, int sidePx) : QWidget(parent), colour_(colour), sidePx_(sidePx)
{
    setAttribute(Qt::WA_TranslucentBackground, true);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void Swatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int side = LogicalMapping().PenPx(sidePx_);
    p.fillRect(QRect(0, 0, side, side), colour_);
}

}  // namespace platform
