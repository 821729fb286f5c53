#pragma once
// Where the keyboard focus is, shown only to someone who moves it with the keyboard.
//
// A mark after a mouse click, or around the first control at start-up, only distracts: the
// pointer already says where the user is. So a control marks its focus only while its window
// carries Qt's keyboard-focus-change flag: Tab and the arrow keys set it when they move the
// focus, any other key pressed in the window sets it here too, and a mouse press in the window
// clears it again (Qt itself never clears it). The style's own focus cues read the same flag,
// so every cue appears and goes together.
#include <QObject>

class QEvent;
class QPainter;
class QRect;
class QWidget;

namespace platform {

// The widget has the focus and it was last moved with the keyboard.
bool KeyboardFocusShown(const QWidget* w);

// A two-pixel dotted black frame just inside the widget, when KeyboardFocusShown.
void PaintFocusMark(QWidget* w);
// That frame just inside `where`, painted with `p`.
void PaintFocusMark(QPainter& p, const QRect& where);

// A disabled control shows no tooltip, and its parent's does not show in its place:
// true when the event was such a tooltip request and has been swallowed.
bool SwallowTooltipWhileDisabled(QWidget* w, QEvent* e);

// Sets the window's keyboard-focus flag at a key press in it and clears it at a mouse press.
class FocusMarkFollowsInput : public QObject {
    Q_OBJECT
public:
    explicit FocusMarkFollowsInput(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* window_;
};

}  // namespace platform
