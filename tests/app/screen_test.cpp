// What reaches the screen is the scene: the window paints only the rectangles a frame's
// figures touched, and only once a frame, yet after every frame the screen shows exactly
// what a full redraw of the window shows.
#include <gtest/gtest.h>

#include <QPixmapCache>
#include <functional>
#include <random>
#include <string>
#include <vector>

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
    // The switch's place in the pictures, which are in device pixels.
    const double ratio = l.window.devicePixelRatioF();
    const QRect area = QRectF(QPointF(key->geometry().topLeft()) * ratio, QSizeF(key->size()) * ratio).toAlignedRect();
    EXPECT_GT(testsupport::DifferentPixels(marked.copy(area), unmarked.copy(area)), 0);
    EXPECT_EQ(testsupport::DifferentPixels(marked, unmarked),
              testsupport::DifferentPixels(marked.copy(area), unmarked.copy(area)));
}

// Clicks at random on the controls (the switch, the options, the panel's buttons, the
// sliders), each followed by a few frames: after each, the screen shows what a fresh repaint
// of the window shows. A click changes which controls are enabled, and a control's new look
// must be its look, however it is painted: the style's cache of pictures is emptied before
// every click, as if it had forgotten them (it keeps only so much), so that each click's
// paint is a first one.
TEST(Screen, AfterRandomClicksTheScreenShowsWhatAFreshRepaintShows)
{
    Lesson l;
    app::Form21& w = l.window;
    w.show();
    struct Control {
        const char* name;
        std::function<void()> click;
    };
    const std::vector<Control> controls = {
        {"Зарядить", [&] { w.imgPow0->Click(); }},
        {"Стоп", [&] { w.imgKey0->Click(); }},
        {"Пуск", [&] { w.imgOn1->Click(); }},
        {"быстро", [&] { w.Option1->click(); }},
        {"медленно", [&] { w.Option2->click(); }},
        {"R in", [&] { w.Command2->click(); }},
        {"R out", [&] { w.Command3->click(); }},
        {"graph shown", [&] { w.Command4->click(); }},
        {"graph hidden", [&] { w.Command6->click(); }},
        {"Очистить", [&] { w.Command5->click(); }},
        {"Сброс", [&] { w.cmdSbros->click(); }},
        // A slider takes a step only when enabled, as under the mouse.
        {"frequency",
         [&] {
             if (w.Slider1->isEnabled())
                 w.Slider1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
         }},
        {"resistance",
         [&] {
             if (w.Slider2->isEnabled())
                 w.Slider2->triggerAction(QAbstractSlider::SliderSingleStepSub);
         }},
    };
    std::mt19937 random(25);  // any fixed seed: the same clicks on every run
    std::string clicks;
    int sliderLooks = 0;  // times a slider was enabled or disabled
    for (int check = 0; check < 16; ++check) {
        const Control& c = controls[random() % controls.size()];
        clicks += std::string(clicks.empty() ? "" : ", ") + c.name;
        const bool enabled[] = {w.Slider1->isEnabled(), w.Slider2->isEnabled()};
        QPixmapCache::clear();
        c.click();
        sliderLooks += (enabled[0] != w.Slider1->isEnabled()) + (enabled[1] != w.Slider2->isEnabled());
        l.Run(0.01 * (1 + random() % 30), 0.01);
        ASSERT_EQ(StaleOnScreen(l), 0) << "after " << clicks;
    }
    EXPECT_GE(sliderLooks, 2) << "the clicks never enabled or disabled a slider: " << clicks;
}
