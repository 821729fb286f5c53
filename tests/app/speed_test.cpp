// A teacher slows the lesson down or speeds it up, and steps through a period while paused.
#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <cmath>

#include "harness.h"
#include "support/surface_compare.h"

using lesson::LessonSpeed;
using testsupport::Lesson;

namespace {

constexpr double kFrame = 5.0 / 64;  // s of lesson time: a frame, exact in binary at every speed

// A charge of two lesson seconds, a stop, and `oscillating` lesson seconds of a free run, with
// a frame every kFrame of lesson time whatever the speed.
void Lessons(Lesson& l, double oscillating)
{
    const lesson::SpeedRatio r = lesson::RatioOf(l.window.State().settings.speed);
    const double wall = double(r.per) / r.times;  // wall seconds a lesson second
    l.window.Command4->click();
    l.window.imgPow0->Click();
    l.Run(2 * wall, kFrame * wall);
    l.window.imgKey0->Click();
    l.window.imgOn1->Click();
    l.Run(oscillating * wall, kFrame * wall);
}

}  // namespace

TEST(Speed, ALessonSlowedOrSpedUpShowsAtEachLessonInstantWhatItShowsAtItsOwnSpeed)
{
    Lesson normal;
    Lessons(normal, 1.3);
    for (const LessonSpeed speed : {LessonSpeed::Tenth, LessonSpeed::Fivefold}) {
        Lesson l;
        l.window.SetSpeed(speed);
        Lessons(l, 1.3);
        const lesson::LessonState &a = l.window.State(), &b = normal.window.State();
        EXPECT_EQ(a.chargeLevel, b.chargeLevel);
        EXPECT_EQ(a.plateCharge, b.plateCharge);
        EXPECT_EQ(a.platesSwapped, b.platesSwapped);
        EXPECT_EQ(a.readings.clockAngle, b.readings.clockAngle);
        EXPECT_EQ(a.readings.magneticBarWidth, b.readings.magneticBarWidth);
        l.Picture().save(testsupport::OutputPath(QString("speed-%1.png").arg(int(speed))));
        l.window.speedMark->hide();  // the mark is the one thing that differs
        EXPECT_EQ(testsupport::DifferentPixels(l.Picture(), normal.Picture()), 0) << int(speed);
    }
}

TEST(Speed, TheKeysAndTheMenuChangeTheSpeedWhichAResetKeeps)
{
    Lesson l;
    app::Form21& w = l.window;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_Minus);
    EXPECT_EQ(w.State().settings.speed, LessonSpeed::Half);
    EXPECT_EQ(w.speedMark->text(), "Замедление ×2");
    EXPECT_TRUE(w.speedMark->isVisible());
    QTest::keyClick(&w, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClick(&w, Qt::Key_Minus);
    QTest::keyClick(&w, Qt::Key_Minus);  // no slower than a tenth
    EXPECT_EQ(w.State().settings.speed, LessonSpeed::Tenth);
    EXPECT_EQ(w.speedMark->text(), "Замедление ×10");
    EXPECT_TRUE(w.speedActions->actions().at(0)->isChecked());
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&w, Qt::Key_Equal);
    EXPECT_EQ(w.State().settings.speed, LessonSpeed::Normal);
    EXPECT_FALSE(w.speedMark->isVisible());
    QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
    w.speedActions->actions().at(5)->trigger();  // the menu's "×5"
    EXPECT_EQ(w.speedMark->text(), "Ускорение ×5");
    w.cmdSbros->click();
    EXPECT_EQ(w.State().settings.speed, LessonSpeed::Fivefold);
    w.SetSpeed(LessonSpeed::Normal);
}

// Ten steps from the full charge reach a quarter period: the charge has gone, the current is at
// its largest. A step past the time limit ends the run as the limit does.
TEST(Speed, TenStepsReachAQuarterPeriodAndAStepAtTheLimitEndsTheRun)
{
    Lesson l;
    app::Form21& w = l.window;
    w.imgPow0->Click();
    l.Run(10, 0.5);
    w.imgKey0->Click();
    const double start = w.LessonTime();
    w.imgOn1->Click();
    ASSERT_EQ(w.State().plateCharge, 255);
    w.SetPaused(true);
    for (int i = 0; i < 10; ++i)
        w.stepAction->trigger();
    EXPECT_TRUE(w.Paused());
    EXPECT_LE(w.State().plateCharge, 1);
    EXPECT_NEAR(std::abs(w.State().readings.ammeterDegrees), 60, 60.0 / 255);
    EXPECT_NEAR(w.State().readings.clockAngle, -3.14 / 2, 1e-9);
    l.Picture().save(testsupport::OutputPath("ten-steps.png"));

    w.SetPaused(false);
    l.Run(599, 0.5);
    w.SetPaused(true);
    double before = 0, after = 0;  // s of the run before and after the last step
    while (w.LoopActive() && after < 700) {
        before = w.LessonTime() - start;
        w.stepAction->trigger();
        after = w.LessonTime() - start;
        ASSERT_NEAR(after - before, 2.0 / 40, 1e-9);
    }
    EXPECT_LE(before, 600);
    EXPECT_GT(after, 600);
    EXPECT_EQ(w.State().runState, app::RunState::Idle);
    EXPECT_FALSE(w.Paused());
    EXPECT_TRUE(w.pauseMark->isHidden());
}
