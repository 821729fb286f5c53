// A teacher pauses the lesson at any instant and goes on from there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include "harness.h"
#include "platform/twips.h"
#include "support/surface_compare.h"

using testsupport::Lesson;

namespace {

// Charges for `charging` s (or not at all), then oscillates for `before` s of lesson time.
void Begin(Lesson& l, double charging, double before)
{
    l.window.imgPow0->Click();
    l.Run(charging);
    if (before > 0) {
        l.window.imgKey0->Click();
        l.Step();
        l.window.imgOn1->Click();
        l.Run(before);
    }
}


}  // namespace

TEST(Classroom, APauseOfAMinuteLeavesEverythingAsItWasAndTheRunGoesOnFromThatInstant)
{
    // Mid-charge, and mid-oscillation past the 600 s limit of a free run had the pause counted.
    for (const auto& [charging, before] : {std::pair{0.7, 0.0}, std::pair{2.0, 3.3}}) {
        Lesson paused, straight;
        Begin(paused, charging, before);
        Begin(straight, charging, before);
        paused.window.pauseAction->trigger();  // the context menu's "Пауза", in a step's yield
        ASSERT_TRUE(paused.window.Paused());
        EXPECT_FALSE(paused.window.pauseMark->isHidden());
        paused.Step();  // the step that was under way is completed, and the next one held
        const QImage atPause = paused.Picture();
        paused.window.Slider1->setValue(7);  // takes effect on resume
        paused.window.Slider1->setValue(5);
        paused.Run(60);
        if (before > 0)
            paused.Run(600, 1.0);
        EXPECT_EQ(testsupport::DifferentPixels(paused.Picture(), atPause), 0);

        paused.window.pauseAction->trigger();
        EXPECT_FALSE(paused.window.Paused());
        EXPECT_TRUE(paused.window.pauseMark->isHidden());
        paused.Run(1.5);
        straight.Run(1.5);
        EXPECT_TRUE(paused.window.LoopActive());
        EXPECT_EQ(paused.window.State().chargeLevel, straight.window.State().chargeLevel);
        EXPECT_EQ(paused.window.State().plateCharge, straight.window.State().plateCharge);
        EXPECT_NEAR(paused.window.State().readings.clockAngle, straight.window.State().readings.clockAngle, 1e-9);
        EXPECT_EQ(testsupport::DifferentPixels(paused.Picture(), straight.Picture()), 0);
    }
}

TEST(Classroom, StopEndsAPausedRunAndThePauseWithIt)
{
    Lesson l;
    Begin(l, 2.0, 1.0);
    l.window.SetPaused(true);
    l.Run(5);
    EXPECT_TRUE(l.window.LoopActive());
    l.window.imgKey0->Click();
    l.Step();
    EXPECT_FALSE(l.window.Paused());
    EXPECT_FALSE(l.window.LoopActive());
    EXPECT_EQ(l.window.State().runState, app::RunState::Stopped);
    l.window.SetPaused(true);  // at rest there is nothing to pause
    EXPECT_FALSE(l.window.Paused());
}

TEST(Classroom, TheKeysPauseOnEitherLayoutAndPutTheSceneCentredOnTheWholeScreen)
{
    Lesson l;
    Begin(l, 2.0, 1.0);
    l.window.show();  // a key reaches a shown, active window
    l.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&l.window));
    QTest::keyClick(&l.window, Qt::Key_P);
    EXPECT_TRUE(l.window.Paused());
    QTest::keyClick(&l.window, Qt::Key_Pause);
    EXPECT_FALSE(l.window.Paused());
    // The P key on a Russian layout
    QTest::sendKeyEvent(QTest::Click, &l.window, static_cast<Qt::Key>(0x0417), QString("З"), Qt::NoModifier);
    EXPECT_TRUE(l.window.Paused());
    EXPECT_EQ(l.window.pauseAction->text(), "Продолжить");

    QTest::keyClick(&l.window, Qt::Key_F11);
    QCoreApplication::processEvents();
    ASSERT_TRUE(l.window.isFullScreen());
    EXPECT_EQ(l.window.fullScreenAction->text(), "Обычное окно");
    // The scene fills the screen's shorter side and stands centred on the other.
    const QSize
        scene = platform::LogicalMapping().Rect(0, 0, platform::kSceneWidthTwips, platform::kSceneHeightTwips).size();
    const QPoint origin = platform::SceneOrigin();
    EXPECT_TRUE(scene.width() == l.window.width() || scene.height() == l.window.height());
    EXPECT_LE(std::abs(2 * origin.x() + scene.width() - l.window.width()), 1);
    EXPECT_LE(std::abs(2 * origin.y() + scene.height() - l.window.height()), 1);
    QTest::keyClick(&l.window, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(l.window.isFullScreen());
    platform::SetSceneScale(1.0);
    platform::SetSceneOrigin({});
}

TEST(Classroom, TheContextMenuOpensWithoutALoopOfItsOwnAndItsPauseEntryPausesARun)
{
    // The browser's build cannot run a nested event loop: the menu must open and return at once.
    Lesson l;
    l.window.show();
    const auto openMenu = [&l] {
        const QPoint at(600, 330);
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, l.window.mapToGlobal(at));
        QCoreApplication::sendEvent(&l.window, &e);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(l.window.pauseAction->isEnabled());  // at rest there is nothing to pause
    menu->close();
    EXPECT_TRUE(l.window.pauseAction->isEnabled());  // the key P works again once it is closed

    Begin(l, 2.0, 1.0);
    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(l.window.pauseAction->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(l.window.pauseAction).center());
    EXPECT_TRUE(l.window.Paused());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(l.window.findChildren<QMenu*>().isEmpty());  // closed menus do not pile up
}
