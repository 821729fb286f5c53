#include "platform/controls.h"

#include <QAccessible>

#include <QProxyStyle>
#include <QStyleFactory>
#include <cmath>

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>

#include "platform/container.h"
#include "platform/focus_mark.h"
#include "platform/twips.h"

namespace platform {

HotArea::HotArea(QWidget* parent, const QString& tooltip, bool clickable) : QWidget(parent), clickable_(clickable)
{
    // The name alone: a description repeating it is said twice by a screen reader.
    setToolTip(tooltip);
    setAccessibleName(tooltip.trimmed());
    setAttribute(Qt::WA_TranslucentBackground, true);
    setAttribute(Qt::WA_NoSystemBackground, true);
    // It paints nothing: its focus mark is a part of the scene beneath it. Over a wire
    // repainted on every frame, Qt would otherwise paint it on every frame too.
    setUpdatesEnabled(false);
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

void HotArea::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    Container::RepaintCovered(this);
}

void HotArea::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    Container::RepaintCovered(this);
}

bool HotArea::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip && !available_) {
        e->accept();  // as a disabled control: no tooltip, and not the parent's in its place
        return true;
    }
    return SwallowTooltipWhileDisabled(this, e) || QWidget::event(e);
}

void HotArea::SetAvailable(bool available)
{
    if (available == available_)
        return;
    available_ = available;
    if (clickable_)
        setCursor(available ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

bool Usable(const QWidget* w)
{
    const auto* area = qobject_cast<const HotArea*>(w);
    return w->isEnabled() && (!area || area->Available());
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
        Click();
}

void HotArea::Click()
{
    if (isEnabled() && available_ && clickable_)
        emit clicked();
}

bool PushButton::event(QEvent* e) { return SwallowTooltipWhileDisabled(this, e) || QPushButton::event(e); }

void PushButton::keyPressEvent(QKeyEvent* e)
{
    // Outside a dialog Qt leaves Return and Enter to the window; here they press the button.
    const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;  // keypad Enter carries one
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && plain) {
        if (!e->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void PushButton::paintEvent(QPaintEvent* e)
{
    QPushButton::paintEvent(e);
    {
        QPainter p(this);
        PaintInside(p);
    }
    PaintFocusMark(this);
}

PictureButton::PictureButton(QWidget* parent, const QString& tooltip, std::function<QPixmap(QSize)> picture)
    : PushButton(parent), picture_(std::move(picture))
{
    setToolTip(tooltip);
    setAccessibleName(tooltip.trimmed());
}

void PictureButton::PaintInside(QPainter& p)
{
    if (!picture_)
        return;
    // The picture is drawn for the button's size at the device pixel ratio, never stretched.
    const double dpr = devicePixelRatioF();
    const QSize inner = size() - QSize(6, 6);
    if (inner.width() <= 0 || inner.height() <= 0)
        return;
    QPixmap pm = picture_(inner * dpr);
    pm.setDevicePixelRatio(dpr);
    if (!isEnabled())
        p.setOpacity(0.45);
    const int shift = isDown() ? 1 : 0;
    p.drawPixmap(3 + shift, 3 + shift, pm);
}

CaptionButton::CaptionButton(QWidget* parent, const QString& caption, const FontSpec& font)
    : PushButton(caption, parent)
{
    SetFontSpec(this, font);
    setAccessibleName(caption.trimmed());
}

namespace {
// The style's round indicator and the gap after it are a fixed number of pixels, while the
// caption's font scales with the scene: below the natural size they would take the caption's
// room and cut it. They shrink with the scene there; above it they keep their natural size.
class ScaledIndicatorStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric m, const QStyleOption* option, const QWidget* widget) const override
    {
        const int natural = QProxyStyle::pixelMetric(m, option, widget);
        const bool indicator = m == PM_ExclusiveIndicatorWidth || m == PM_ExclusiveIndicatorHeight ||
                               m == PM_RadioButtonLabelSpacing;
        if (!indicator || SceneScale() >= 1.0)
            return natural;
        return std::max(1, static_cast<int>(std::lround(natural * SceneScale())));
    }
};

// Fusion draws a slider's ticks in the colour of its groove's highlighted outline when it has
// just drawn that highlight afresh into its pixmap cache, and in the plain outline colour when
// it found the highlight there. A slider's first paint in a new look (enabled, disabled,
// focused) or after the cache let the picture go so showed other ticks than its next paint.
// Drawn one part at a time, in the style's own order, the ticks always take the plain colour.
class SteadyTicksStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_Slider || !slider) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSlider part = *slider;
        for (const SubControl sub : {SC_SliderGroove, SC_SliderTickmarks, SC_SliderHandle}) {
            if (!(slider->subControls & sub))
                continue;
            part.subControls = sub;
            QProxyStyle::drawComplexControl(control, &part, painter, widget);
        }
    }
};
}  // namespace

OptionButton::OptionButton(QWidget* parent, const QString& caption, const FontSpec& font, QColor fore)
    : QRadioButton(caption, parent)
{
    static ScaledIndicatorStyle* const style = new ScaledIndicatorStyle(QStyleFactory::create("Fusion"));
    setStyle(style);
    SetFontSpec(this, font);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, fore);
    setPalette(pal);
    setAccessibleName(caption.trimmed());
}

// Qt's auto-exclusive radio buttons keep the rule in setChecked itself, which every path goes
// through; the charging reads the choice from these buttons alone.
void OptionButton::SetValue(bool v) { setChecked(v); }

void OptionButton::paintEvent(QPaintEvent* e)
{
    QRadioButton::paintEvent(e);
    PaintFocusMark(this);
}

Slider::Slider(QWidget* parent, int min, int max, int start, const QString& tooltip) : QSlider(Qt::Horizontal, parent)
{
    static SteadyTicksStyle* const style = new SteadyTicksStyle(QStyleFactory::create("Fusion"));
    setStyle(style);
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

bool Slider::event(QEvent* e) { return SwallowTooltipWhileDisabled(this, e) || QSlider::event(e); }

void Slider::paintEvent(QPaintEvent* e)
{
    QSlider::paintEvent(e);
    PaintFocusMark(this);
}

}  // namespace platform
