// What reaches the screen is the scene: the window paints only the rectangles a frame's
// figures touched, and only once a frame, yet after every frame the screen shows exactly
// what a full redraw of the window shows.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include "harness.h"
#include "support/surface_compare.h"

using testsupport::Lesson;

namespace {

// Lets the held-back frame be painted: more than a frame's time passes, and the window's
// events are handled for a few frames more, however slow the build.
void LetTheFrameBePainted()
{
    QThread::msleep(40);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 80)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QImage OnScreen(Lesson& l)
{
    LetTheFrameBePainted();
    return QGuiApplication::primaryScreen()->grabWindow(l.window.winId()).toImage();
}

// The window as the screen holds it after the frames of a run, against the same window
// painted on the screen again as a whole.
long long StaleOnScreen(Lesson& l)
{
    const QImage painted = OnScreen(l);
    l.window.update();
    const QImage whole = OnScreen(l);
    EXPECT_FALSE(painted.isNull());
    EXPECT_EQ(painted.size(), l.window.size());
    return testsupport::DifferentPixels(painted, whole);
}

}  // namespace

TEST(Screen, AfterEveryFrameTheScreenShowsTheWholeScene)
{
    Lesson l;
    l.window.show();
    EXPECT_EQ(StaleOnScreen(l), 0) << "at rest";

    l.window.imgPow0->Click();
    l.Run(0.7, 0.004);
    EXPECT_EQ(StaleOnScreen(l), 0) << "charging";
    l.Run(1.0, 0.004);
    l.window.imgKey0->Click();
    l.Step();
    l.window.imgOn1->Click();
    // Through a period of the free oscillation: fields grow and shrink, plates swap, the graph runs.
    for (int look = 0; look < 8; ++look) {
        l.Run(0.37, 0.004);
        EXPECT_EQ(StaleOnScreen(l), 0) << "oscillating, look " << look;
    }
    l.window.Command1->click();
    EXPECT_EQ(StaleOnScreen(l), 0) << "after the stop";
}

TEST(Screen, ASwitchsFocusMarkStaysOverTheWiresRepaintedBeneathItAndGoesWithTheFocus)
{
    Lesson l;
    l.window.show();
    l.window.imgPow0->Click();
    l.Run(1.0, 0.004);
    l.window.imgKey0->Click();
    l.Step();
    l.window.imgOn1->Click();
    // A keyboard user reaches the switch while the wire under it changes colour on every frame.
    QWidget* key = l.window.imgKey0;
    l.window.setAttribute(Qt::WA_KeyboardFocusChange);
    key->setFocus(Qt::TabFocusReason);
    l.Run(0.4, 0.004);
    EXPECT_EQ(StaleOnScreen(l), 0) << "focused";
    const QImage marked = OnScreen(l);
    key->clearFocus();
    const QImage unmarked = OnScreen(l);
    EXPECT_EQ(StaleOnScreen(l), 0) << "after the focus left";
    const QRect area = key->geometry();
    EXPECT_GT(testsupport::DifferentPixels(marked.copy(area), unmarked.copy(area)), 0);
    EXPECT_EQ(testsupport::DifferentPixels(marked, unmarked),
              testsupport::DifferentPixels(marked.copy(area), unmarked.copy(area)));
}
