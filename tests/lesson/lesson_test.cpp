// Whole lessons of the model alone, without a window, against the circuit's formulas.
#include <gtest/gtest.h>

#include <cmath>

#include "lesson/lesson.h"

using lesson::Lesson;
using lesson::RunState;
using lesson::SwitchPosition;

namespace {

int Floor(double v) { return static_cast<int>(std::floor(v)); }

// A capacitor charged fast for `seconds`, then the switch raised.
void Charge(Lesson& l, double seconds)
{
    l.Charge(0);
    l.Advance(seconds);
    l.Stop();
}

}  // namespace

TEST(LessonModel, ChargingFollowsTheExponentialLawAtEitherSpeedAndStopKeepsTheCharge)
{
    for (const auto& [speed, tau] : {std::pair{lesson::ChargingSpeed::Fast, 0.25}, {lesson::ChargingSpeed::Slow, 2.0}}) {
        Lesson l;
        l.SetChargingSpeed(speed);
        l.Charge(10);
        EXPECT_EQ(l.State().switchPosition, SwitchPosition::Source);
        for (double t : {0.0, 0.1, 0.5, 1.0, 3.0}) {
            ASSERT_TRUE(l.Advance(10 + t));
            const int level = Floor(255 * (1 - std::exp(-t / tau)));
            EXPECT_EQ(l.State().chargeLevel, level) << t;
            EXPECT_DOUBLE_EQ(l.State().readings.voltmeterDegrees, 60.0 * level / 255) << t;
            // The ammeter falls twice as fast as the charging current: I·e^(−t/τ).
            const int current = Floor(255 * std::exp(-t / tau));
            EXPECT_NEAR(l.State().readings.ammeterDegrees, 60 * current * std::exp(-t / tau) / 255, 1e-9) << t;
            EXPECT_EQ(l.LastFrame().electricBarWidth, Floor(2145.0 * level * level / (255 * 255))) << t;
        }
        const int reached = l.State().chargeLevel;
        l.Stop();
        EXPECT_FALSE(l.Running());
        EXPECT_FALSE(l.Advance(20));
        EXPECT_EQ(l.State().runState, RunState::Stopped);
        EXPECT_EQ(l.State().switchPosition, SwitchPosition::Raised);
        EXPECT_EQ(l.State().plateCharge, reached);
        EXPECT_EQ(l.State().readings.ammeterDegrees, 0);
    }
}

// A free oscillation from full charge: the charge swings as cos(ωt), the energy passes between
// the bars and the clock turns once a period, until the run ends by itself after 600 s.
TEST(LessonModel, AFreeOscillationSwingsAsACosineUntilItsTimeLimit)
{
    Lesson l;
    Charge(l, 10);
    ASSERT_EQ(l.State().chargeLevel, 255);
    l.Start(100);
    EXPECT_EQ(l.State().switchPosition, SwitchPosition::Coil);
    const double w = 3.14;  // setting 5: a period of 2 s with the program's pi
    int swaps = 0;
    for (int n = 0; n <= 601 * 60; ++n) {
        const double t = n / 60.0;
        ASSERT_TRUE(l.Advance(100 + t));
        if (!l.Running()) {
            EXPECT_GT(t, 600);
            break;
        }
        const lesson::LessonState& s = l.State();
        ASSERT_EQ(s.plateCharge, Floor(255 * std::abs(std::cos(w * t)))) << t;
        swaps += l.LastFrame().platesSwapNow;
        const lesson::Readings& r = s.readings;
        const double energy = r.electricBarWidth + (5690 - r.magneticBarLeft);
        ASSERT_NEAR(energy, 2175 * std::pow(std::cos(w * t), 2) + 2135 * std::pow(std::sin(w * t), 2), 25) << t;
        // The hand shows the phase within the period, however long the run has gone on.
        const double behind = std::fmod(std::abs(w * t + r.clockAngle), 2 * 3.14);
        ASSERT_LT(std::min(behind, 2 * 3.14 - behind), 1e-6) << t;
    }
    EXPECT_EQ(swaps, 600);  // two zeros a period, 300 periods
    EXPECT_EQ(l.State().runState, RunState::Idle);
    EXPECT_EQ(l.State().switchPosition, SwitchPosition::Raised);
    EXPECT_EQ(l.State().chargeLevel, l.State().plateCharge) << "the charge left carries over";
    EXPECT_EQ(l.State().polarity, l.State().platesSwapped);
}

TEST(LessonModel, TheResistorDampsTheOscillationAndEndsItAfter300Seconds)
{
    Lesson l;
    l.SetResistance(3);
    l.PutResistorIn();
    EXPECT_DOUBLE_EQ(l.State().beta, 3.14 * 0.3);
    Charge(l, 10);
    l.Start(0);
    const double beta = 3.14 * 0.3, w = std::sqrt(3.14 * 3.14 - beta * beta);
    for (double t : {0.3, 1.1, 2.5, 4.0}) {
        l.Advance(t);
        EXPECT_EQ(l.State().plateCharge, Floor(255 * std::exp(-beta * t) * std::abs(std::cos(w * t)))) << t;
        EXPECT_TRUE(l.LastFrame().resistorGlows);
    }
    l.Advance(300);
    EXPECT_TRUE(l.Running());
    l.Advance(300.01);
    EXPECT_TRUE(l.LastFrame().endedByItself);
    EXPECT_FALSE(l.Running());
    l.TakeResistorOut();
    EXPECT_EQ(l.State().beta, 0);
}

// Paused, the lesson's time stands still; it goes on from the same instant, and only a run pauses.
TEST(LessonModel, APauseStopsTheLessonsTimeAndOnlyARunPauses)
{
    Lesson l;
    EXPECT_FALSE(l.Pause(1));
    EXPECT_FALSE(l.Paused());
    l.Charge(l.TimeAt(2));
    EXPECT_TRUE(l.Pause(3));
    EXPECT_DOUBLE_EQ(l.TimeAt(63), 3);
    l.Resume(63);
    EXPECT_DOUBLE_EQ(l.TimeAt(64), 4);
    l.Advance(l.TimeAt(64));
    EXPECT_EQ(l.State().chargeLevel, Floor(255 * (1 - std::exp(-2 / 0.25))));
}
