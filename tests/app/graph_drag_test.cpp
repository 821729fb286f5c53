// Dragging the graph box about the window with the mouse, while the loops go on.
#include <gtest/gtest.h>

#include <QMouseEvent>

#include "harness.h"

using testsupport::Lesson;

namespace {

void Mouse(QWidget* target, QEvent::Type type, QPoint windowLogical, QWidget* window,
           Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF local = target->mapFrom(window, windowLogical);
    const QPointF global = window->mapToGlobal(windowLogical);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, local, global, button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

struct Shown : Lesson {
    Shown()
    {
        window.show();
        window.Command4->click();
    }
    QPoint GraphAt(int xTwips, int yTwips) const  // a point of the graph box, in window pixels
    {
        return window.picGr->geometry().topLeft() + QPoint(xTwips / 15, yTwips / 15);
    }
};

}  // namespace

TEST(GraphDrag, ADropOnTheWindowPutsTheGrabbedPointUnderTheMouse)
{
    Shown l;
    app::Form21& w = l.window;
    Mouse(w.picGr, QEvent::MouseButtonPress, l.GraphAt(600, 450), &w);
    EXPECT_TRUE(w.GraphDrag().Active());
    EXPECT_EQ(w.dragOffsetX, 600);
    EXPECT_EQ(w.dragOffsetY, 450);
    Mouse(w.picGr, QEvent::MouseMove, QPoint(300, 40), &w);
    EXPECT_EQ(platform::TwipsRect(w.picGr).topLeft(), QPoint(9180, 1230)) << "only an outline follows the mouse";
    Mouse(w.picGr, QEvent::MouseButtonRelease, QPoint(20, 100), &w);  // an empty place of the window
    EXPECT_FALSE(w.GraphDrag().Active());
    EXPECT_EQ(platform::TwipsRect(w.picGr), QRect(300 - 600, 1500 - 450, 5895, 4935));
}

TEST(GraphDrag, ADropOnAnotherControlLeavesTheBoxWhereItWas)
{
    Shown l;
    app::Form21& w = l.window;
    Mouse(w.picGr, QEvent::MouseButtonPress, l.GraphAt(600, 450), &w);
    const QPoint overSlider = w.Slider1->geometry().center();
    Mouse(w.picGr, QEvent::MouseButtonRelease, overSlider, &w);
    EXPECT_EQ(platform::TwipsRect(w.picGr).topLeft(), QPoint(9180, 1230));
}

TEST(GraphDrag, OnlyTheLeftButtonDrags)
{
    Shown l;
    app::Form21& w = l.window;
    Mouse(w.picGr, QEvent::MouseButtonPress, l.GraphAt(600, 450), &w, Qt::RightButton);
    EXPECT_FALSE(w.GraphDrag().Active());
    EXPECT_EQ(w.dragOffsetX, 0);
    Mouse(w.picGr, QEvent::MouseButtonRelease, QPoint(20, 100), &w, Qt::RightButton);
    EXPECT_EQ(platform::TwipsRect(w.picGr).topLeft(), QPoint(9180, 1230));
}

TEST(GraphDrag, TheChargingGoesOnWhileTheUserDrags)
{
    Shown l;
    app::Form21& w = l.window;
    w.imgPow0->Click();
    l.Run(0.2);
    const int before = w.State().chargeLevel;
    Mouse(w.picGr, QEvent::MouseButtonPress, l.GraphAt(600, 450), &w);
    for (int i = 0; i < 50; ++i) {
        Mouse(w.picGr, QEvent::MouseMove, QPoint(100 + i, 100), &w);
        l.Step();
    }
    EXPECT_GT(w.State().chargeLevel, before);
    Mouse(w.picGr, QEvent::MouseButtonRelease, QPoint(20, 100), &w);
    EXPECT_EQ(platform::TwipsRect(w.picGr).topLeft(), QPoint(-300, 1050));
    EXPECT_TRUE(w.LoopActive());
}
