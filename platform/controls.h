#pragma once
// The small controls of the window: hot areas, buttons, options and sliders. Each is placed
// in twips (placement.h) and painted at the scene scale.
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/placement.h"

namespace platform {

// A transparent rectangle that shows a tooltip and, when clickable, a hand cursor and takes
// left clicks, or Space and Enter when it has the keyboard focus (a dotted frame marks it
// after keyboard use, focus_mark.h). A disabled hot area shows no tooltip and takes no click
// and no focus. An unavailable one takes no click either and shows no tooltip, but keeps its
// place in the Tab order, so that a screen reader reaches it and says it is unavailable
// (a disabled widget would drop out of the Tab order without a word).
class HotArea : public QWidget {
    Q_OBJECT
public:
    HotArea(QWidget* parent, const QString& tooltip, bool clickable);
    void Click();  // as a left click would, if enabled and available
    bool Clickable() const { return clickable_; }
    void SetAvailable(bool available);
    bool Available() const { return available_; }
signals:
    void clicked();

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool clickable_;
    bool available_ = true;
    bool pressed_ = false;
};

// Whether a user can work the control now: enabled, and available where that applies.
bool Usable(const QWidget* w);

// A push button that Return and keypad Enter press as Space does, whose focus is marked
// after keyboard use, and that shows no tooltip while disabled.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    // What a button draws over its face, beneath the focus mark.
    virtual void PaintInside(QPainter&) {}
};

// A push button showing a picture drawn for it, with a tooltip.
class PictureButton : public PushButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const QString& tooltip, std::function<QPixmap(QSize)> picture);

protected:
    void PaintInside(QPainter& p) override;

private:
    std::function<QPixmap(QSize)> picture_;
};

// A push button with a caption.
class CaptionButton : public PushButton {
    Q_OBJECT
public:
    CaptionButton(QWidget* parent, const QString& caption, const FontSpec& font);
};

// A radio button. The options of one container exclude each other however they change (a
// click, a key, an assistive tool, the program): selecting one clears the others, and the
// selected one cannot be cleared but by selecting another.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(QWidget* parent, const QString& caption, const FontSpec& font, QColor fore);
    bool Value() const { return isChecked(); }
    void SetValue(bool v);

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A horizontal track bar with a range and ticks; the program reads Value and sets Enabled.
class Slider : public QSlider {
    Q_OBJECT
public:
    Slider(QWidget* parent, int min, int max, int start, const QString& tooltip);
    int Value() const { return value(); }
    void SetEnabled(bool e) { setEnabled(e); }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace platform
