// The dial pointers: where their tips fall, and that a meter always shows exactly one needle.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <random>

#include "instruments/dials.h"
#include "platform/container.h"
#include "platform/placement.h"
#include "support/surface_compare.h"

using namespace instruments;

namespace {

// The tip computed here from the pointer rule, independently of the code under test.
QPoint ExpectedTip(QPoint pivot, int length, double theta)
{
    return QPoint(static_cast<int>(std::floor(pivot.x() - length * std::cos(1.57 - theta))),
                  static_cast<int>(std::floor(pivot.y() - length * std::sin(1.57 - theta))));
}

// A meter box as the window lays it out: its colour, the five white ticks of the scale.
std::unique_ptr<platform::Container> MeterBox(QColor back, double dpr)
{
    const double scale = platform::SceneScale();
    auto box = std::make_unique<platform::Container>();
    platform::Place(box.get(), 0, 0, 2900, 1600);
    box->SetBackColor(back);
    box->AddLine(240, 900, 390, 990, Qt::white, 3);
    box->AddLine(780, 510, 810, 570, Qt::white, 3);
    box->AddLine(1380, 270, 1380, 420, Qt::white, 3);
    box->AddLine(2010, 510, 1980, 570, Qt::white, 3);
    box->AddLine(2550, 900, 2400, 990, Qt::white, 3);
    box->EnableDrawing(back, 3).SetMapping({scale, dpr});
    return box;
}

// The same box showing one needle at d degrees and nothing else.
QImage OneNeedle(QColor back, double dpr, double d)
{
    auto box = MeterBox(back, dpr);
    const QPoint tip = ExpectedTip({1400, 1600}, 1060, 3.14 * (2 * d) / 360);
    box->Drawing()->Line(1400, 1600, tip.x(), tip.y(), QColor(128, 128, 128));
    return box->Compose(dpr);
}

struct Meter {
    const char* name;
    QColor back;
    void (*move)(platform::Surface&, Needle&, double);
    void (*rest)(platform::Surface&, Needle&);
};
void PrintTo(const Meter& m, std::ostream* os) { *os << m.name; }
const Meter kAmmeter{"ammeter", QColor(255, 192, 192), MoveAmmeterNeedle, PaintAmmeterAtRest};
const Meter kVoltmeter{"voltmeter", QColor(192, 192, 255), MoveVoltmeterNeedle, PaintVoltmeterAtRest};

// Shows the scene at another scale for as long as it lives.
struct SceneScaleGuard {
    explicit SceneScaleGuard(double scale) { platform::SetSceneScale(scale); }
    ~SceneScaleGuard() { platform::SetSceneScale(previous); }
    double previous = platform::SceneScale();
};

}  // namespace

TEST(PointerTip, MeterNeedlesAtTheScaleMarks)
{
    const struct {
        double d;
        QPoint tip;
    } cases[] = {{0, {1399, 540}}, {60, {481, 1070}}, {-60, {2317, 1068}}, {30, {869, 682}}, {-30, {1929, 681}}};
    for (const auto& c : cases)
        EXPECT_EQ(PointerTip(kMeterPivot, needleLength, NeedleAngle(c.d)), c.tip) << "d = " << c.d;
}

TEST(PointerTip, ClockHandAtTheQuarters)
{
    EXPECT_EQ(PointerTip(kClockPivot, handLength, 0), QPoint(1209, 350));
    EXPECT_EQ(PointerTip(kClockPivot, handLength, -3.14 / 2), QPoint(1759, 899));
    EXPECT_EQ(PointerTip(kClockPivot, handLength, -3.14), QPoint(1211, 1449));
    EXPECT_EQ(PointerTip(kClockPivot, handLength, -3 * 3.14 / 2), QPoint(660, 901));
}

class MeterNeedle : public ::testing::TestWithParam<std::tuple<Meter, double>> {};

// A run's worth of moves, with the clears and rest paints that end runs and resets, leaves
// exactly the last needle over the untouched scale.
TEST_P(MeterNeedle, LongSequenceLeavesExactlyOneNeedle)
{
    const auto [meter, dpr] = GetParam();
    auto box = MeterBox(meter.back, dpr);
    platform::Surface& s = *box->Drawing();
    Needle needle;
    meter.rest(s, needle);
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> deflection(-60, 60);
    double d = 0;
    for (int step = 1; step <= 400; ++step) {
        d = step % 37 == 0 ? 0.0 : deflection(rng);
        meter.move(s, needle, d);
        if (step % 50 == 0) {  // a run ends: the dial is cleared and shows its rest needle
            s.Clear();
            meter.rest(s, needle);
        }
    }
    meter.move(s, needle, d);  // the last move follows a rest paint at step 400
    const QImage expected = OneNeedle(meter.back, dpr, d);
    EXPECT_GT(testsupport::DifferentPixels(MeterBox(meter.back, dpr)->Compose(dpr), expected), 0);
    EXPECT_EQ(testsupport::DifferentPixels(box->Compose(dpr), expected), 0);
}

// The rest needle (to 1400, 540) and a needle at 0 (to 1399, 540) are different lines, which
// fall on different pixels at some scales; the move still takes the rest needle away whole.
TEST_P(MeterNeedle, MoveToZeroAfterARestPaintLeavesOneNeedleAtEveryScale)
{
    const auto [meter, dpr] = GetParam();
    for (double scale : {1.0, 1.25, 1.5, 2.0}) {
        SceneScaleGuard guard(scale);
        auto box = MeterBox(meter.back, dpr);
        Needle needle;
        meter.move(*box->Drawing(), needle, 45.0);
        box->Drawing()->Clear();
        meter.rest(*box->Drawing(), needle);
        meter.move(*box->Drawing(), needle, 0.0);
        EXPECT_EQ(testsupport::DifferentPixels(box->Compose(dpr), OneNeedle(meter.back, dpr, 0)), 0)
            << "scale " << scale;
    }
}

TEST_P(MeterNeedle, MovingTwiceToTheSameAngleKeepsTheNeedle)
{
    const auto [meter, dpr] = GetParam();
    auto box = MeterBox(meter.back, dpr);
    Needle needle;
    meter.move(*box->Drawing(), needle, -30.0);
    meter.move(*box->Drawing(), needle, -30.0);
    EXPECT_EQ(testsupport::DifferentPixels(box->Compose(dpr), OneNeedle(meter.back, dpr, -30)), 0);
}

INSTANTIATE_TEST_SUITE_P(BothMetersAtTwoRatios, MeterNeedle,
                         ::testing::Combine(::testing::Values(kAmmeter, kVoltmeter), ::testing::Values(1.0, 2.0)));

namespace {

std::unique_ptr<platform::Container> ClockBox(double dpr)
{
    auto box = std::make_unique<platform::Container>();
    platform::Place(box.get(), 0, 0, 2445, 1935);
    box->AddShape(platform::ShapeKind::Circle, 600, 180, 1245, 1425, Qt::black, 2, true, Qt::white);
    box->AddLine(1230, 180, 1230, 270, Qt::black, 2);
    box->EnableDrawing(Qt::white, 3).SetMapping({platform::SceneScale(), dpr});
    return box;
}

QImage OneHand(double dpr, double theta)
{
    auto box = ClockBox(dpr);
    const QPoint tip = ExpectedTip({1210, 900}, 550, theta);
    box->Drawing()->Line(1210, 900, tip.x(), tip.y(), QColor(128, 128, 128));
    return box->Compose(dpr);
}

}  // namespace

class ClockHand : public ::testing::TestWithParam<double> {};

TEST_P(ClockHand, TurningThroughPeriodsLeavesOneHandAndRecordsItsAngle)
{
    const double dpr = GetParam();
    auto box = ClockBox(dpr);
    double clockAngle = 0;
    double theta = 0;
    for (int step = 0; step < 300; ++step) {
        theta = -3.14 * std::fmod(step * 0.037, 2.0);  // omega = pi: a 2 s period
        MoveClockHand(*box->Drawing(), theta, clockAngle);
        EXPECT_EQ(clockAngle, theta);
    }
    EXPECT_EQ(testsupport::DifferentPixels(box->Compose(dpr), OneHand(dpr, theta)), 0);
}

// The rest hand is 10 twips longer than the moving one and stands at angle 0: a run's first
// move takes it away whole, its tip too.
TEST_P(ClockHand, FirstMoveAfterARestPaintLeavesOnlyTheHandAtEveryScale)
{
    const double dpr = GetParam();
    for (double scale : {1.0, 1.25, 1.5, 2.0}) {
        SceneScaleGuard guard(scale);
        auto box = ClockBox(dpr);
        PaintClockAtRest(*box->Drawing());
        double clockAngle = 0;
        MoveClockHand(*box->Drawing(), -0.05, clockAngle);
        EXPECT_EQ(testsupport::DifferentPixels(box->Compose(dpr), OneHand(dpr, -0.05)), 0) << "scale " << scale;
    }
}

INSTANTIATE_TEST_SUITE_P(TwoRatios, ClockHand, ::testing::Values(1.0, 2.0));
