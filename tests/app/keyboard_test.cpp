// Every control can be named by a screen reader, and the switch and the panel can be worked
// with the keyboard, never past the rules of what is enabled.
#include <gtest/gtest.h>

#include <QKeyEvent>

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
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className() << " " << qPrintable(w->toolTip());
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
    const std::vector<QWidget*> expected = {w.imgOn1, w.imgKey0, w.imgPow0, w.Slider1, w.Slider2, w.Option1, w.Option2,
                                            w.Command2, w.Command3, w.cmdSbros, w.Command4, w.Command6, w.Command1};
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
    EXPECT_EQ(w.state.runState, "pow");
    l.Run(1.0);
    Press(w.imgOn1, Qt::Key_Return);  // disabled while charging
    EXPECT_EQ(w.state.runState, "pow");
    Press(w.imgKey0, Qt::Key_Enter);
    EXPECT_EQ(w.state.runState, "key");
    l.Step();
    Press(w.imgOn1, Qt::Key_Return);
    EXPECT_EQ(w.state.runState, "on");
    Press(w.imgPow0, Qt::Key_Space);  // disabled while oscillating
    EXPECT_EQ(w.state.runState, "on");
    Press(w.imgKey0, Qt::Key_A);  // other keys do nothing
    EXPECT_EQ(w.state.runState, "on");
    EXPECT_FALSE(w.imgPow0->isEnabled());
    EXPECT_EQ(w.imgPow0->focusPolicy(), Qt::StrongFocus);  // a disabled widget takes no focus all the same
}

TEST(Keyboard, TheFocusedSwitchPositionIsMarked)
{
    Lesson l;
    l.window.show();
    l.window.activateWindow();
    l.window.imgKey0->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(l.window.imgKey0->hasFocus());
    const QImage img = l.Picture();
    const QRect r = l.window.imgKey0->geometry();
    int dark = 0;
    for (int x = r.left(); x <= r.right(); ++x)
        dark += img.pixelColor(x, r.top()) == QColor(0, 0, 0);
    EXPECT_GT(dark, r.width() / 4) << "a dotted frame along the top edge";
}
