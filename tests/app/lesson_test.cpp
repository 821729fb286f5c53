// Whole lessons on the real window, with scripted time and clicks.
#include <gtest/gtest.h>

#include <cmath>

#include "harness.h"
#include "instruments/dials.h"
#include "support/surface_compare.h"

using testsupport::Lesson;

namespace {

// The twips of a meter needle's tip for a deflection in degrees.
QPoint MeterTip(double degrees)
{
    return instruments::PointerTip(QPoint(1400, 1600), 1060, 3.14 * (2 * degrees) / 360);
}

int EnergyBarsSum(app::Form21& w) { return w.ElectricBarTwips().width() + w.MagneticBarTwips().width(); }

}  // namespace

TEST(Lesson, FastChargeReachesLevel250AfterOneSecond)
{
    Lesson l;
    l.window.imgPow0->Click();
    EXPECT_EQ(l.window.State().runState, app::RunState::Charging);
    EXPECT_TRUE(l.window.LoopActive());
    EXPECT_TRUE(l.window.Line8->Visible() && l.window.Line9->Visible());
    EXPECT_FALSE(l.window.Line10->Visible());
    l.Run(0.9);
    l.ArriveAt(1.0);
    const int expected = static_cast<int>(std::floor(255 * (1 - std::exp(-4.0))));
    EXPECT_EQ(l.window.State().chargeLevel, 250);
    EXPECT_EQ(l.window.State().chargeLevel, expected);
    EXPECT_EQ(l.window.voltmeterNeedle.tip, MeterTip(60.0 * 250 / 255));  // 58.8 degrees
    // The group of markers has travelled near the end of the charging circuit.
    int shown = 0;
    for (const auto& [i, m] : l.window.tokpow.All())
        shown += m->IsShown();
    EXPECT_EQ(shown, 5);
    EXPECT_TRUE(l.window.tokpow(33)->IsShown());
    // Pairs 0..10 of plate markers show the level reached, without holes.
    for (int i = 0; i <= 10; ++i)
        EXPECT_TRUE(l.window.Plus1(i)->IsShown()) << i;
    EXPECT_EQ(l.window.ElectricBarTwips().width(), static_cast<int>(std::floor(2145.0 * 250 * 250 / (255.0 * 255))));
}

TEST(Lesson, StopKeepsTheChargeAndEndsTheCharging)
{
    Lesson l;
    l.window.imgPow0->Click();
    l.Run(2.0);
    l.window.imgKey0->Click();
    EXPECT_EQ(l.window.State().runState, app::RunState::Stopped);
    l.Step();
    EXPECT_FALSE(l.window.LoopActive());
    EXPECT_EQ(l.window.State().plateCharge, l.window.State().chargeLevel);
    EXPECT_GE(l.window.State().chargeLevel, 254);
    for (const auto& [i, m] : l.window.tokpow.All())
        EXPECT_FALSE(m->IsShown()) << i;
    EXPECT_EQ(l.window.picright[0]->BackColor(), QColor(255, 255, 255));
    EXPECT_TRUE(l.window.Command5->isEnabled());
}

namespace {
void Charge(Lesson& l, double seconds = 2.0)
{
    l.window.imgPow0->Click();
    l.Run(seconds);
    l.window.imgKey0->Click();
    l.Step();
}
}  // namespace

TEST(Lesson, FreeOscillationSwapsThePlatesTwicePerPeriod)
{
    Lesson l;
    Charge(l);
    const int level = l.window.State().chargeLevel;
    l.window.imgOn1->Click();
    EXPECT_EQ(l.window.State().runState, app::RunState::Oscillating);
    int swaps = 0, turns = 0;
    int top = platform::TopTwips(l.window.picup);
    double angle = l.window.State().readings.clockAngle;
    const double t0 = l.clock.Now();
    while (l.clock.Now() - t0 < 10.05) {  // the fifth turn ends at 10 s
        l.Step(0.005);
        const int nowTop = platform::TopTwips(l.window.picup);
        swaps += nowTop != top;
        top = nowTop;
        turns += l.window.State().readings.clockAngle > angle + 3;  // the hand came back to the top
        angle = l.window.State().readings.clockAngle;
        // The energy only passes between the bars: their widths add up to 8.37..8.53 times the
        // level, give or take what taking whole levels of the current can add or remove.
        const double rounding = 1 + (2.0 * level + 1) / level * 2135 / 255;
        const int sum = EnergyBarsSum(l.window);
        ASSERT_GE(sum, 8.37 * level - rounding) << l.clock.Now();
        ASSERT_LE(sum, 8.53 * level + rounding) << l.clock.Now();
    }
    EXPECT_EQ(swaps, 10);
    EXPECT_EQ(turns, 5);
    EXPECT_EQ(l.window.State().omega, 3.14);
    l.Picture().save(testsupport::OutputPath("free-oscillation.png"));
}

TEST(Lesson, AtTwentyFramesASecondTheFastestOscillationStillSwapsAtEveryZero)
{
    // A busy machine: a step every 47 ms (about 20 frames a second) leaps over the band around
    // a zero of a 1 s period.
    Lesson l;
    l.window.Slider1->setValue(7);
    Charge(l);
    l.window.imgOn1->Click();
    int swaps = 0;
    bool swapped = l.window.State().platesSwapped;
    const double t0 = l.clock.Now();
    while (l.clock.Now() - t0 < 10.01) {
        l.Step(0.047);
        swaps += l.window.State().platesSwapped != swapped;
        swapped = l.window.State().platesSwapped;
    }
    EXPECT_EQ(swaps, 20);  // cos(6.28 t) passes through zero 20 times in 10 s
}

TEST(Lesson, DampedOscillationGlowsAndEndsByItselfAfter300Seconds)
{
    Lesson l;
    Charge(l);
    l.window.Slider2->setValue(5);
    l.window.Command2->click();
    EXPECT_TRUE(l.window.State().settings.resistorIn);
    EXPECT_DOUBLE_EQ(l.window.State().beta, 1.57);
    l.window.imgOn1->Click();
    EXPECT_FALSE(l.window.Command5->isEnabled());
    l.Run(0.3);
    EXPECT_NE(l.window.Picture2->BackColor(), QColor(255, 255, 255)) << "the resistor glows";
    EXPECT_NEAR(2 * 3.14 / l.window.State().omega, 2 * 3.14 / (3.14 * std::sqrt(0.75)), 1e-12);
    l.Run(300.0, 0.1);
    EXPECT_EQ(l.window.State().runState, app::RunState::Idle);
    l.Step();
    EXPECT_FALSE(l.window.LoopActive());
    EXPECT_FALSE(l.window.Command5->isEnabled()) << "only Стоп enables it again";
    EXPECT_TRUE(platform::Usable(l.window.imgPow0));
    EXPECT_EQ(l.window.Picture2->BackColor(), QColor(255, 255, 255));
}

TEST(Lesson, LoweringTheFrequencyReachesTheCriticalCase)
{
    Lesson l;
    Charge(l);
    l.window.Slider2->setValue(5);
    l.window.Command2->click();
    l.window.imgOn1->Click();
    l.Run(0.5);
    l.window.Slider1->setValue(4);  // omega = 1.57 = beta
    l.Run(0.02);
    const int top = platform::TopTwips(l.window.picup);
    for (int i = 0; i < 400; ++i) {
        l.Step(0.01);
        ASSERT_TRUE(l.window.State().swapLock);
        ASSERT_EQ(platform::TopTwips(l.window.picup), top) << "the plates never swap";
    }
    EXPECT_EQ(l.window.State().omega, 1.57);
    EXPECT_LT(l.window.State().plateCharge, 5);
}

TEST(Lesson, ASecondStartClearsTheGraphAndTheRunGoesOn)
{
    Lesson l;
    Charge(l);
    l.window.Command4->click();
    l.window.imgOn1->Click();
    l.Run(1.0);
    const QImage traced = l.window.picGr->Compose(1);
    l.window.imgOn1->Click();
    EXPECT_EQ(l.window.State().runState, app::RunState::Oscillating);
    EXPECT_TRUE(l.window.LoopActive());
    const QImage cleared = l.window.picGr->Compose(1);
    EXPECT_GT(testsupport::DifferentPixels(traced, cleared), 50);
    l.Run(1.0);
    EXPECT_TRUE(l.window.LoopActive());
}

TEST(Lesson, ResetEmptiesTheCapacitorAndRestoresTheStartUpDrawing)
{
    Lesson fresh;
    Lesson l;
    Charge(l);
    l.window.imgOn1->Click();
    l.Run(3.3);
    l.window.imgKey0->Click();
    l.Step();
    l.window.cmdSbros->click();
    app::Form21& w = l.window;
    EXPECT_EQ(w.State().chargeLevel, 0);
    EXPECT_EQ(w.State().plateCharge, 0);
    EXPECT_EQ(w.picup->BackColor(), QColor(255, 255, 255));
    EXPECT_EQ(w.picdown->BackColor(), QColor(255, 255, 255));
    const QRect capacitor = w.picup->geometry().united(w.picdown->geometry());
    EXPECT_EQ(testsupport::DifferentPixels(l.Picture().copy(capacitor), fresh.Picture().copy(capacitor)), 0)
        << "an empty capacitor shows no charges";
    EXPECT_EQ(w.ammeterNeedle.tip, QPoint(1400, 540));
    EXPECT_EQ(w.voltmeterNeedle.tip, QPoint(1400, 540));
    EXPECT_EQ(testsupport::DifferentPixels(w.Drawing()->Layer(), fresh.window.Drawing()->Layer()), 0);
    EXPECT_EQ(testsupport::DifferentPixels(w.picamp->Compose(1), fresh.window.picamp->Compose(1)), 0);
    EXPECT_EQ(testsupport::DifferentPixels(w.picvolt->Compose(1), fresh.window.picvolt->Compose(1)), 0);
}

// A run after a stop starts from the rest hand, which the stop painted: its first step takes it
// away whole, so the face shows the turning hand and nothing else.
TEST(Lesson, ARunAfterAStopTurnsTheClockHandOverAnOtherwiseCleanFace)
{
    Lesson clean;
    Lesson l;
    Charge(l);
    l.window.imgOn1->Click();
    l.Run(0.3);
    l.window.imgKey0->Click();
    l.Step();
    l.window.imgOn1->Click();
    l.Run(0.3);
    platform::Surface& face = *clean.window.picclock->Drawing();
    face.Clear();
    double angle = 0;
    instruments::MoveClockHand(face, l.window.State().readings.clockAngle, angle);
    EXPECT_EQ(testsupport::DifferentPixels(l.window.picclock->Compose(1), clean.window.picclock->Compose(1)), 0);
}

TEST(Lesson, ControlsAreEnabledAsEachStateWants)
{
    Lesson l;
    app::Form21& w = l.window;
    auto enabled = [&] {
        return std::vector<bool>{platform::Usable(w.imgOn1),   platform::Usable(w.imgPow0),
                                 platform::Usable(w.imgKey0),  platform::Usable(w.Command2),
                                 platform::Usable(w.Command3), platform::Usable(w.Slider1),
                                 platform::Usable(w.Slider2),  platform::Usable(w.cmdSbros),
                                 platform::Usable(w.Command5)};
    };
    using V = std::vector<bool>;
    EXPECT_EQ(enabled(), (V{true, true, true, true, true, true, true, true, true}));
    w.imgPow0->Click();
    EXPECT_EQ(enabled(), (V{false, true, true, true, true, true, true, false, false}));
    l.Run(1);
    w.imgKey0->Click();
    EXPECT_EQ(enabled(), (V{true, true, true, true, true, true, true, true, true}));
    l.Step();
    w.imgOn1->Click();
    EXPECT_EQ(enabled(), (V{true, false, true, false, false, true, false, false, false}));
    // A disabled hot area takes no click.
    w.imgPow0->Click();
    EXPECT_EQ(w.State().runState, app::RunState::Oscillating);
    l.Run(1);
    w.imgKey0->Click();
    EXPECT_EQ(enabled(), (V{true, true, true, true, true, true, true, true, true}));
}

TEST(Lesson, StopAndChargeInOneMomentEndTheOscillationBeforeTheCharging)
{
    Lesson l;
    Charge(l);
    l.window.imgOn1->Click();
    l.Run(0.6);  // a strong current: the coil's field and the wire markers show
    // Both clicks are handled in the same yield of the oscillation.
    l.window.imgKey0->Click();
    l.window.imgPow0->Click();
    EXPECT_EQ(l.window.State().runState, app::RunState::Charging);
    for (const auto& [i, m] : l.window.tok.All())
        EXPECT_FALSE(m->IsShown()) << "the oscillation ended first: tok " << i;
    l.Run(0.5);
    EXPECT_TRUE(l.window.LoopActive());
    for (const auto& [i, m] : l.window.tok.All())
        EXPECT_FALSE(m->IsShown()) << "tok " << i;
    EXPECT_EQ(l.window.picleft[1]->BackColor(), QColor(255, 255, 255));
}

TEST(Lesson, StopAndResetInOneMomentLeaveTheCapacitorEmpty)
{
    Lesson l;
    l.window.imgPow0->Click();
    l.Run(0.5);
    l.window.imgKey0->Click();
    l.window.cmdSbros->click();
    l.Step();
    l.Step();
    EXPECT_FALSE(l.window.LoopActive());
    EXPECT_EQ(l.window.State().chargeLevel, 0);
    EXPECT_EQ(l.window.State().plateCharge, 0);
    EXPECT_EQ(l.window.picup->BackColor(), QColor(255, 255, 255));
}

TEST(Lesson, ExitEndsEveryLoopAtOnce)
{
    for (int state = 0; state < 3; ++state) {
        Lesson l;
        if (state == 1)
            l.window.imgPow0->Click();
        if (state == 2) {
            Charge(l);
            l.window.imgOn1->Click();
        }
        l.Run(0.2);
        l.window.Command1->click();
        EXPECT_FALSE(l.window.LoopActive()) << state;
        l.Run(0.2);  // whatever was queued does nothing
        EXPECT_FALSE(l.window.LoopActive()) << state;
    }
}

TEST(Lesson, ARunAfterALongOneStartsItsTraceAtTheLeftEdge)
{
    Lesson l;
    Charge(l);
    const double start = l.clock.Now();
    l.window.imgOn1->Click();
    l.Run(14.9, 0.05);
    l.ArriveAt(start + 15.03);  // the last step plotted just past the end of a sweep
    ASSERT_GT(l.window.State().trace.sweepTime, 15.0);
    l.window.imgKey0->Click();
    l.Step();
    l.window.imgOn1->Click();
    l.Run(0.1);
    EXPECT_EQ(l.window.State().trace.sweepCount, 0);
    EXPECT_GE(platform::LeftTwips(l.window.imgU), 420) << "never left of the time origin";
    EXPECT_LE(platform::LeftTwips(l.window.imgU), 420 + 0.1 * 300 + 1);
}

TEST(Lesson, LoweringTheFrequencyBelowTheDampingFreezesTheModelUntilStop)
{
    Lesson l;
    Charge(l);
    l.window.Slider2->setValue(5);
    l.window.Command2->click();
    l.window.imgOn1->Click();
    l.Run(0.7);
    l.window.Slider1->setValue(3);  // omega 0.523 < beta 1.57: neither model runs
    l.Run(0.05);
    const int charge = l.window.State().plateCharge;
    const double angle = l.window.State().readings.clockAngle;
    l.Run(400.0, 0.5);
    EXPECT_EQ(l.window.State().runState, app::RunState::Oscillating) << "the time limits belong to the models";
    EXPECT_EQ(l.window.State().plateCharge, charge);
    EXPECT_NE(l.window.State().readings.clockAngle, angle) << "the clock keeps turning";
    l.window.imgKey0->Click();
    l.Step();
    EXPECT_FALSE(l.window.LoopActive());
}

TEST(Lesson, SwitchingFromFastToSlowMidChargeDropsTheCharge)
{
    Lesson l;
    l.window.imgPow0->Click();
    l.Run(0.9);
    l.ArriveAt(1.0);
    ASSERT_EQ(l.window.State().chargeLevel, 250);
    l.window.Option2->click();
    EXPECT_FALSE(l.window.Option1->Value());
    l.clock.Set(1.0);
    l.steps.RunOne();  // the step that reads the clock at 1 s with the slow time constant
    l.steps.RunOne();
    EXPECT_EQ(l.window.State().chargeLevel, static_cast<int>(std::floor(255 * (1 - std::exp(-0.5)))));
    EXPECT_EQ(l.window.State().chargeLevel, 100);
}
