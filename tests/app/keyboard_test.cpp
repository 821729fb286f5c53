// Every control can be named by a screen reader, and the switch and the panel can be worked
// with the keyboard, never past the rules of what is enabled; the focus is shown to the
// keyboard's user only, and a disabled control keeps quiet.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QToolTip>

#include "harness.h"

using testsupport::Lesson;

namespace {
void Press(QWidget* w, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &down);
}
}  // namespace

TEST(Keyboard, EveryControlAndHotAreaHasARussianName)
{
    Lesson l;
    int named = 0;
    for (QWidget* w : l.window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<platform::HotArea*>(w) || qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QSlider*>(w);
        if (!control)
            continue;
        EXPECT_FALSE(w->accessibleName().isEmpty())
            << w->metaObject()->className() << " " << qPrintable(w->toolTip());
        named += !w->accessibleName().isEmpty();
    }
    EXPECT_EQ(named, 9 + 2 + 7 + 2);  // hot areas, sliders, buttons and options
    EXPECT_EQ(l.window.imgPow0->accessibleName(), QString("Зарядить конденсатор"));
    EXPECT_EQ(l.window.imgOn1->accessibleName(), QString("Пуск"));
    EXPECT_EQ(l.window.Slider2->accessibleName(), QString("Изменить активное сопротивление"));
    EXPECT_EQ(l.window.Command1->accessibleName(), QString("Выход"));
}

TEST(Keyboard, TabRunsAlongTheSwitchAndThenThePanel)
{
    Lesson l;
    app::Form21& w = l.window;
    const std::vector<QWidget*> expected = {w.imgOn1,   w.imgKey0,  w.imgPow0,  w.Slider1,  w.Slider2,
                                            w.Option1,  w.Option2,  w.Command2, w.Command3, w.cmdSbros,
                                            w.Command4, w.Command6, w.Command1};
    QWidget* at = w.imgOn1;
    for (std::size_t i = 1; i < expected.size(); ++i) {
        do
            at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus);
        EXPECT_EQ(at, expected[i]) << i;
    }
}

TEST(Keyboard, SpaceAndEnterWorkTheSwitchOnlyWhereAClickWould)
{
    Lesson l;
    app::Form21& w = l.window;
    Press(w.imgPow0, Qt::Key_Space);
    EXPECT_EQ(w.State().runState, app::RunState::Charging);
    l.Run(1.0);
    Press(w.imgOn1, Qt::Key_Return);  // disabled while charging
    EXPECT_EQ(w.State().runState, app::RunState::Charging);
    Press(w.imgKey0, Qt::Key_Enter);
    EXPECT_EQ(w.State().runState, app::RunState::Stopped);
    l.Step();
    Press(w.imgOn1, Qt::Key_Return);
    EXPECT_EQ(w.State().runState, app::RunState::Oscillating);
    Press(w.imgPow0, Qt::Key_Space);  // disabled while oscillating
    EXPECT_EQ(w.State().runState, app::RunState::Oscillating);
    Press(w.imgKey0, Qt::Key_A);  // other keys do nothing
    EXPECT_EQ(w.State().runState, app::RunState::Oscillating);
    EXPECT_FALSE(platform::Usable(w.imgPow0));
    EXPECT_EQ(w.imgPow0->focusPolicy(), Qt::StrongFocus);  // unavailable, it keeps its place in the Tab order
}

TEST(Keyboard, ReturnAndKeypadEnterPressTheFocusedPushButton)
{
    Lesson l;
    app::Form21& w = l.window;
    Press(w.Command4, Qt::Key_Return);
    EXPECT_TRUE(w.picGr->isVisibleTo(&w));
    QKeyEvent keypadEnter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    QCoreApplication::sendEvent(w.Command6, &keypadEnter);
    EXPECT_FALSE(w.picGr->isVisibleTo(&w));
}

// Dark pixels along the top two rows of a widget of the window: a focus frame's dots.
static int DarkAlongTheTop(const QImage& img, const QWidget* w)
{
    const QRect r(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    int dark = 0;
    for (int y = r.top(); y <= r.top() + 1; ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            dark += img.pixelColor(x, y) == QColor(0, 0, 0);
    return dark;
}

TEST(Keyboard, AFocusFrameShowsAfterKeyboardUseOnlyNeverAfterAClick)
{
    Lesson l;
    app::Form21& w = l.window;
    w.show();
    w.activateWindow();
    QCoreApplication::processEvents();
    w.imgOn1->setFocus(Qt::ActiveWindowFocusReason);  // as the window system gives it at start-up
    const QImage startUp = l.Picture();
    EXPECT_EQ(DarkAlongTheTop(startUp, w.imgOn1), 0);

    QTest::mouseClick(w.imgKey0, Qt::LeftButton);
    ASSERT_TRUE(w.imgKey0->hasFocus());
    ASSERT_EQ(w.State().runState, app::RunState::Stopped);
    const QRect key(w.imgKey0->geometry());
    EXPECT_EQ(l.Picture().copy(key), startUp.copy(key)) << "no frame after a click";

    QTest::keyClick(w.imgKey0, Qt::Key_Tab);
    ASSERT_TRUE(w.imgPow0->hasFocus());
    EXPECT_GT(DarkAlongTheTop(l.Picture(), w.imgPow0), w.imgPow0->width() / 2) << "a dotted frame after Tab";
    w.Slider1->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_GT(DarkAlongTheTop(l.Picture(), w.Slider1), w.Slider1->width() / 2) << "on a slider too";

    // A click on the scene leaves the focus where it is and takes its frame away.
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(w.Slider1->hasFocus());
    EXPECT_EQ(DarkAlongTheTop(l.Picture(), w.Slider1), DarkAlongTheTop(startUp, w.Slider1));
}

TEST(Keyboard, ADisabledControlShowsNoTooltip)
{
    Lesson l;
    app::Form21& w = l.window;
    w.show();
    auto showsTooltip = [](QWidget* target) {
        QToolTip::hideText();  // it fades out: wait until it is gone
        QElapsedTimer fading;
        fading.start();
        while (QToolTip::isVisible() && fading.elapsed() < 2000)
            QTest::qWait(10);
        QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(target, &e);
        return QToolTip::isVisible();
    };
    EXPECT_TRUE(showsTooltip(w.Command2));
    EXPECT_TRUE(showsTooltip(w.Slider2));
    w.imgOn1->Click();  // an oscillation disables the resistor's buttons and slider, and "Сброс"
    l.Step();
    for (QWidget* disabled :
         std::vector<QWidget*>{w.Command2, w.Command3, w.Slider2, w.cmdSbros, w.Command5, w.imgPow0}) {
        ASSERT_FALSE(platform::Usable(disabled));
        EXPECT_FALSE(showsTooltip(disabled)) << qPrintable(disabled->accessibleName());
    }
    EXPECT_TRUE(showsTooltip(w.Slider1));
    QToolTip::hideText();
}
