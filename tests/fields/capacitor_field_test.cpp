// The capacitor's field: lines 0..count between the plates, arrowheads from the positive
// plate to the negative one, nothing above the count, and the clean-up after a plate swap.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <tuple>

#include "fields/capacitor_field.h"
#include "fields/field_tables.h"
#include "field_pixels.h"
#include "support/surface_compare.h"

using fieldtest::DrawnNear;
using fieldtest::Grey;
using fieldtest::WindowSurface;

namespace {

constexpr double kCx = 8330, kCy = 3650;  // twips: middle of the plates
constexpr double kTipY = 3600;
constexpr int kUpperTop = 3000;    // twips: picup on top, field points down
constexpr int kSwappedTop = 3990;  // twips: picup moved to the lower plate's place

constexpr const fields::CapAspectTable& kAspect = fields::kCapFieldAspect;
constexpr const fields::CapRadiusTable& kRadius = fields::kCapFieldRadius;
constexpr const fields::CapTipTable& kTips = fields::kCapFieldX;

double Rad(double degrees) { return degrees * 6.28 / 360.0; }
double HalfWidth(int j) { return kRadius[j] / kAspect[j]; }

void Call(platform::Surface& s, const QColor& c, int count, int picupTop, bool swapLock = false, int slider1 = 4,
          bool resistorIn = false)
{
    fields::DrawCapacitorField(s, c, count, swapLock, {picupTop, slider1, resistorIn});
}

// An arrowhead drawn from its formula; barbSide +1 puts the barbs below the tip.
void Arrowhead(platform::Surface& s, int tip, int barbSide, const QColor& c)
{
    s.Line(tip, kTipY, tip + 40, kTipY + 100 * barbSide, c);
    s.Line(tip, kTipY, tip - 40, kTipY + 100 * barbSide, c);
}

// Lines 0..q as the geometry describes them, drawn one figure at a time.
QImage Expected(const platform::Mapping& m, const QColor& c, int q, int barbSide)
{
    auto s = WindowSurface(m);
    for (int j = 0; j <= q; ++j) {
        s->Ellipse(kCx, kCy, kRadius[j], c, Rad(150), Rad(210), kAspect[j]);
        s->Ellipse(kCx, kCy, kRadius[j], c, Rad(340), Rad(25), kAspect[j]);
        Arrowhead(*s, kTips[2 * j], barbSide, c);
        Arrowhead(*s, kTips[2 * j + 1], barbSide, c);
    }
    return s->Layer();
}

QImage CleanCall(const platform::Mapping& m, const QColor& c, int q, int picupTop)
{
    auto s = WindowSurface(m);
    Call(*s, c, q, picupTop);
    return s->Layer();
}

}  // namespace

class CapacitorField : public ::testing::TestWithParam<double> {
protected:
    platform::Mapping M() const { return {1.0, GetParam()}; }
};

TEST_P(CapacitorField, ArrowheadsPointFromPicupTowardsPicdown)
{
    const QColor c = Grey(90);
    for (int q : {0, 3, 7}) {
        const QImage down = Expected(M(), c, q, -1), up = Expected(M(), c, q, +1);
        ASSERT_GT(fieldtest::Differences(down, up), 0);
        EXPECT_EQ(fieldtest::Differences(CleanCall(M(), c, q, kUpperTop), down), 0) << q;
        // Any other top of picup means the plates stand swapped.
        for (int top : {kSwappedTop, kUpperTop - 1, kUpperTop + 1})
            EXPECT_EQ(fieldtest::Differences(CleanCall(M(), c, q, top), up), 0) << q << " top " << top;
    }
}

TEST_P(CapacitorField, CountChoosesTheLinesThatShow)
{
    const QColor c = Grey(135);
    for (int q = 0; q <= 7; ++q) {
        auto s = WindowSurface(M());
        Call(*s, Grey(0), 7, kUpperTop);  // a full field from an earlier step
        Call(*s, c, q, kUpperTop);
        for (int j = 0; j <= 7; ++j) {
            const double left = kCx - HalfWidth(j), right = kCx + HalfWidth(j);
            if (j <= q) {
                EXPECT_TRUE(DrawnNear(*s, left, kCy, 1, c)) << "count " << q << " line " << j;
                EXPECT_TRUE(DrawnNear(*s, right, kCy, 1, c)) << "count " << q << " line " << j;
            } else {
                EXPECT_FALSE(DrawnNear(*s, left, kCy)) << "count " << q << " line " << j;
                EXPECT_FALSE(DrawnNear(*s, right, kCy)) << "count " << q << " line " << j;
                for (int tip : {kTips[2 * j], kTips[2 * j + 1]})
                    for (int dx : {-40, 40})
                        EXPECT_FALSE(fieldtest::StrokeShows(*s, tip, kTipY, tip + dx, kTipY - 100, 0.8))
                            << "count " << q << " arrowhead at " << tip;
            }
        }
    }
}

TEST_P(CapacitorField, LowerCountLeavesExactlyItsOwnLines)
{
    for (int q = 1; q <= 7; ++q)
        for (int lower = 0; lower < q; ++lower)
            for (int top : {kUpperTop, kSwappedTop}) {
                auto s = WindowSurface(M());
                Call(*s, Grey(0), q, top);
                Call(*s, Grey(200), lower, top);
                EXPECT_EQ(fieldtest::Differences(s->Layer(), CleanCall(M(), Grey(200), lower, top)), 0)
                    << q << " -> " << lower << ", top " << top;
            }
}

TEST_P(CapacitorField, LinesAboveTheCountLoseArrowheadsOfBothDirections)
{
    // A full field pointing down; then the plates swap while the charge has dropped to
    // count 2, with no clean-up in this step.
    auto s = WindowSurface(M());
    Call(*s, Grey(0), 7, kUpperTop);
    Call(*s, Grey(0), 2, kSwappedTop);
    // Nothing is left beyond the reach of line 2's arrowheads (tips 4 and 5, barbs 40 wide).
    const QImage& layer = s->Layer();
    const int outerLeft = M().Px(kTips[4] - 40) - 2, outerRight = M().Px(kTips[5] + 40) + 2;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (x < outerLeft || x > outerRight) {
                ASSERT_EQ(qAlpha(layer.pixel(x, y)), 0) << x << "," << y;
            }
}

TEST_P(CapacitorField, BackgroundColourAtCountZeroErasesAFullField)
{
    for (int top : {kUpperTop, kSwappedTop}) {
        auto s = WindowSurface(M());
        Call(*s, Grey(30), 7, top);
        ASSERT_GT(fieldtest::DrawnPixels(s->Layer()), 1000);
        Call(*s, platform::WindowBackground(), 0, top);
        EXPECT_EQ(fieldtest::DrawnPixels(s->Layer()), 0) << "top " << top;
    }
}

TEST_P(CapacitorField, CountOutsideItsRangeActsAsTheNearestEnd)
{
    const QColor c = Grey(10);
    auto s = WindowSurface(M());
    Call(*s, c, 12, kUpperTop, true, 7, true);
    auto seven = WindowSurface(M());
    Call(*seven, c, 7, kUpperTop, true, 7, true);
    EXPECT_EQ(fieldtest::Differences(s->Layer(), seven->Layer()), 0);
    Call(*s, c, -3, kUpperTop);
    EXPECT_EQ(fieldtest::Differences(s->Layer(), CleanCall(M(), c, 0, kUpperTop)), 0);
}

// While swapLock is set, the arrowheads still pointing the old way are cleared at tips
// 1..n+1 and 0, n from the slider's position or, with the resistor in, count + 2.
struct SwapCase {
    int count;
    int slider1;
    bool resistorIn;
    std::set<int> clearedTips;
};

void PrintTo(const SwapCase& c, std::ostream* os)
{
    *os << "count " << c.count << ", slider " << c.slider1 << (c.resistorIn ? ", resistor in" : "");
}

class SwapCleanup : public ::testing::TestWithParam<std::tuple<double, SwapCase>> {};

TEST_P(SwapCleanup, ClearsTheOldArrowheadsAtTheTipsOfTheSlider)
{
    const platform::Mapping m{1.0, std::get<0>(GetParam())};
    const SwapCase& sc = std::get<1>(GetParam());
    const QColor c = Grey(70);

    // Before the swap: a full field pointing down. After it: this step's field pointing up.
    auto actual = WindowSurface(m);
    Call(*actual, c, 7, kUpperTop);
    Call(*actual, c, sc.count, kSwappedTop, true, sc.slider1, sc.resistorIn);

    auto expected = WindowSurface(m);
    Call(*expected, c, 7, kUpperTop);
    Call(*expected, c, sc.count, kSwappedTop);
    const QImage withoutCleanup = expected->Layer();
    for (int tip : sc.clearedTips)
        Arrowhead(*expected, kTips[tip], -1, platform::WindowBackground());
    ASSERT_GT(fieldtest::Differences(withoutCleanup, expected->Layer()), 0);

    EXPECT_EQ(fieldtest::Differences(actual->Layer(), expected->Layer()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SwapCleanup,
    ::testing::Combine(::testing::Values(1.0, 2.0),
                       ::testing::Values(SwapCase{7, 7, false, {0, 1, 2, 3, 4, 5, 6}},
                                         SwapCase{7, 6, false, {0, 1, 2, 3, 4, 5}},
                                         SwapCase{7, 4, false, {0, 1, 2, 3}}, SwapCase{7, 1, false, {0, 1, 2}},
                                         SwapCase{7, 0, false, {0, 1}}, SwapCase{7, 9, false, {0, 1}},
                                         SwapCase{0, 7, true, {0, 1, 2, 3}},
                                         SwapCase{3, 1, true, {0, 1, 2, 3, 4, 5, 6}},
                                         SwapCase{7, 1, true, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}})));

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, CapacitorField, ::testing::Values(1.0, 2.0));
