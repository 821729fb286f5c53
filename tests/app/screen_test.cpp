// What reaches the screen is the scene: the window paints only the rectangles a frame's
// figures touched, and only once a frame, yet after every frame the screen shows exactly
// what a full redraw of the window shows.
#include <gtest/gtest.h>

#include "harness.h"
#include "support/surface_compare.h"

using testsupport::Lesson;

namespace {

QImage OnScreen(Lesson& l) { return testsupport::OnScreen(l.window); }
long long StaleOnScreen(Lesson& l) { return testsupport::StaleOnScreen(l.window); }

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
