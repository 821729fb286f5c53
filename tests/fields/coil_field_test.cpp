// The coil's field: rings around both coil ends up to the current's level, arrowheads of the
// current's direction, and nothing left over from earlier steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "fields/coil_field.h"
#include "fields/field_tables.h"
#include "field_pixels.h"
#include "support/surface_compare.h"

using fieldtest::DrawnNear;
using fieldtest::Grey;
using fieldtest::StrokeShows;
using fieldtest::WindowSurface;

namespace {

// The coil's geometry as the window lays it out (twips).
constexpr double kEndsX[2] = {1750, 4400};
constexpr double kAxisY = 3830;
constexpr double kTipY = 3840;
double RingRadius(int k) { return 850 + 250 * k; }
constexpr double kCoilLines[4][4] = {{1750, 3730, 4000, 3630},
                                     {1750, 4100, 4000, 3970},
                                     {1750, 3390, 4000, 3270},
                                     {1750, 4470, 4000, 4300}};

void DrawLinesByHand(platform::Surface& s)
{
    for (const auto& l : kCoilLines)
        s.Line(l[0], l[1], l[2], l[3], Qt::black);
}

constexpr const fields::CoilTipTable& kLeftX = fields::kCoilFieldLeftX;
constexpr const fields::CoilTipTable& kRightX = fields::kCoilFieldRightX;

// What one call should leave on a window that shows only the coil lines: rings 0..q and
// arrowheads pointing with barbs towards `barbSide` (+1 below the tip), coil lines on top.
QImage Expected(const platform::Mapping& m, const QColor& c, int q, int barbSide)
{
    auto s = WindowSurface(m);
    for (int k = 0; k <= q; ++k) {
        for (double cx : kEndsX)
            s->Ellipse(cx, kAxisY, RingRadius(k), c, 0, 0, 1.5);
        for (int tip : {kLeftX[k], kRightX[k]}) {
            s->Line(tip, kTipY, tip + 50, kTipY + 140 * barbSide, c);
            s->Line(tip, kTipY, tip - 50, kTipY + 140 * barbSide, c);
        }
    }
    DrawLinesByHand(*s);
    return s->Layer();
}

// A window at start-up: only the coil lines.
std::unique_ptr<platform::Surface> StartupWindow(const platform::Mapping& m)
{
    auto s = WindowSurface(m);
    fields::RedrawCoilLines(*s);
    return s;
}

QImage CleanCall(const platform::Mapping& m, const QColor& c, int q, double current)
{
    auto s = StartupWindow(m);
    fields::DrawCoilField(*s, c, q, current);
    return s->Layer();
}

// Whether the barb of the arrowhead at `tip` on side `dx` (+1 right) and `barbSide` shows.
bool BarbShows(platform::Surface& s, int tip, int dx, int barbSide)
{
    return StrokeShows(s, tip, kTipY, tip + 50 * dx, kTipY + 140 * barbSide, 0.8);
}

// The pixels of one barb, drawn alone, that are not drawn in `others`.
std::vector<QPoint> BarbOnlyPixels(const platform::Mapping& m, int tip, int dx, int barbSide, const QImage& others)
{
    auto barb = WindowSurface(m);
    barb->Line(tip, kTipY, tip + 50 * dx, kTipY + 140 * barbSide, Qt::black);
    std::vector<QPoint> only;
    const QRect around = m.Rect(tip - 60, kTipY - 150, 120, 300);
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (fieldtest::Drawn(barb->Layer(), x, y) && !fieldtest::Drawn(others, x, y))
                only.emplace_back(x, y);
    return only;
}

bool AllDrawn(const QImage& layer, const std::vector<QPoint>& pixels)
{
    return std::all_of(pixels.begin(), pixels.end(), [&](QPoint p) { return fieldtest::Drawn(layer, p.x(), p.y()); });
}

bool NoneDrawn(const QImage& layer, const std::vector<QPoint>& pixels)
{
    return std::none_of(pixels.begin(), pixels.end(),
                        [&](QPoint p) { return fieldtest::Drawn(layer, p.x(), p.y()); });
}

bool RingShows(platform::Surface& s, int k)
{
    return DrawnNear(s, kEndsX[0], kAxisY - RingRadius(k)) && DrawnNear(s, kEndsX[1], kAxisY + RingRadius(k));
}

bool AnyBarbShows(platform::Surface& s, int k)
{
    for (int tip : {kLeftX[k], kRightX[k]})
        for (int dx : {-1, 1})
            for (int side : {-1, 1})
                if (BarbShows(s, tip, dx, side))
                    return true;
    return false;
}

const platform::Mapping kDpr1{1.0, 1.0};

}  // namespace

TEST(CoilLines, AreFourBlackLinesAcrossTheCoil)
{
    auto s = WindowSurface(kDpr1);
    fields::RedrawCoilLines(*s);
    auto byHand = WindowSurface(kDpr1);
    DrawLinesByHand(*byHand);
    EXPECT_EQ(fieldtest::Differences(s->Layer(), byHand->Layer()), 0);
    for (const auto& l : kCoilLines)
        EXPECT_TRUE(DrawnNear(*s, (l[0] + l[2]) / 2, (l[1] + l[3]) / 2, 1, Qt::black)) << l[1];
}

TEST(CoilField, DrawsRingsAndArrowheadsOfEachLevelAndDirection)
{
    const QColor c = Grey(100);
    for (int q = 0; q <= 4; ++q) {
        // A positive current points the arrowheads down (barbs above the tip), a negative one up.
        EXPECT_EQ(fieldtest::Differences(CleanCall(kDpr1, c, q, 0.7), Expected(kDpr1, c, q, -1)), 0)
            << "level " << q << ", positive current";
        EXPECT_EQ(fieldtest::Differences(CleanCall(kDpr1, c, q, -0.2), Expected(kDpr1, c, q, +1)), 0)
            << "level " << q << ", negative current";
    }
}

TEST(CoilField, FallingLevelRemovesEverythingOutside)
{
    auto s = StartupWindow(kDpr1);
    fields::DrawCoilField(*s, Grey(0), 4, 0.9);
    for (int k = 0; k <= 4; ++k) {
        ASSERT_TRUE(RingShows(*s, k)) << k;
        ASSERT_TRUE(AnyBarbShows(*s, k)) << k;
    }

    // Down by one.
    fields::DrawCoilField(*s, Grey(40), 3, 0.8);
    EXPECT_FALSE(RingShows(*s, 4));
    EXPECT_FALSE(AnyBarbShows(*s, 4));
    for (int k = 0; k <= 3; ++k) {
        EXPECT_TRUE(RingShows(*s, k)) << k;
        EXPECT_TRUE(DrawnNear(*s, kEndsX[1], kAxisY - RingRadius(k), 1, Grey(40))) << "recoloured " << k;
    }

    // Down by three at once.
    fields::DrawCoilField(*s, Grey(130), 0, 0.1);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_FALSE(RingShows(*s, k)) << k;
        EXPECT_FALSE(AnyBarbShows(*s, k)) << k;
    }
    EXPECT_TRUE(RingShows(*s, 0));
    EXPECT_EQ(fieldtest::Differences(s->Layer(), Expected(kDpr1, Grey(130), 0, -1)), 0);
}

TEST(CoilField, ReversedCurrentTurnsEveryArrowhead)
{
    for (const platform::Mapping& m : {kDpr1, platform::Mapping{1.0, 2.0}}) {
        // Everything a level-4 field shows, with its barbs above or below the tips.
        const QImage barbsAbove = Expected(m, Grey(20), 4, -1), barbsBelow = Expected(m, Grey(20), 4, +1);
        auto s = StartupWindow(m);
        fields::DrawCoilField(*s, Grey(20), 4, 0.6);  // barbs above the tips
        for (int k = 0; k <= 4; ++k)
            for (int tip : {kLeftX[k], kRightX[k]})
                for (int dx : {-1, 1}) {
                    // The pixels of each barb that no figure of the other direction covers.
                    const auto up = BarbOnlyPixels(m, tip, dx, -1, barbsBelow);
                    const auto down = BarbOnlyPixels(m, tip, dx, +1, barbsAbove);
                    ASSERT_FALSE(up.empty());
                    ASSERT_FALSE(down.empty());
                    EXPECT_TRUE(AllDrawn(s->Layer(), up)) << tip << " dpr " << m.dpr;
                    EXPECT_TRUE(NoneDrawn(s->Layer(), down)) << tip << " dpr " << m.dpr;
                }

        fields::DrawCoilField(*s, Grey(20), 4, -0.6);  // barbs below
        for (int k = 0; k <= 4; ++k)
            for (int tip : {kLeftX[k], kRightX[k]})
                for (int dx : {-1, 1}) {
                    EXPECT_TRUE(NoneDrawn(s->Layer(), BarbOnlyPixels(m, tip, dx, -1, barbsBelow)))
                        << "old barb at " << tip << " dpr " << m.dpr;
                    EXPECT_TRUE(AllDrawn(s->Layer(), BarbOnlyPixels(m, tip, dx, +1, barbsAbove)))
                        << "new barb at " << tip << " dpr " << m.dpr;
                }
    }
}

TEST(CoilField, StopEraseRemovesTheWholeFieldWhateverTheLastCurrent)
{
    const QImage startup = StartupWindow(kDpr1)->Layer();
    auto s = StartupWindow(kDpr1);
    // Arrowheads of both directions on level 4 (the run's last current was positive, then
    // the last draw before the stop had a negative one), then a zero current.
    fields::DrawCoilField(*s, Grey(0), 4, 0.4);
    fields::DrawCoilField(*s, Grey(0), 4, -0.4);
    fields::DrawCoilField(*s, Grey(0), 2, 0.0);
    ASSERT_GT(fieldtest::Differences(startup, s->Layer()), 1000);
    fields::EraseCoilField(*s);
    EXPECT_EQ(fieldtest::Differences(startup, s->Layer()), 0);
}

// A loop draws the field on every frame: drawn again with the same arguments, it changes no
// pixel and so asks for no repaint, whatever the call before it drew.
TEST(CoilField, DrawnAgainUnchangedItReportsNoDamage)
{
    for (const platform::Mapping& m : {kDpr1, platform::Mapping{1.0, 2.0}, platform::Mapping{1.5, 1.0}})
        for (const double current : {0.6, -0.6})
            for (const int q : {0, 2, 4}) {
                auto s = StartupWindow(m);
                fields::DrawCoilField(*s, Grey(60), 4 - q, -current);  // the other direction, level and colour
                fields::DrawCoilField(*s, Grey(20), q, current);
                int damaged = 0;
                long long area = 0;  // device px²
                s->SetDamageHandler([&](const QRect& r) {
                    ++damaged;
                    area += static_cast<long long>(r.width()) * r.height();
                });
                fields::DrawCoilField(*s, Grey(20), q, current);
                EXPECT_EQ(damaged, 0) << area << " px² at level " << q << ", current " << current << ", ratio "
                                      << m.dpr << ", scale " << m.scale;
                EXPECT_EQ(fieldtest::Differences(s->Layer(), CleanCall(m, Grey(20), q, current)), 0);
            }
}

// Over a long run of random steps, every step leaves exactly what one call on a start-up
// window leaves; a zero current changes nothing; the stop erase brings back the start-up window.
class CoilFieldSequence : public ::testing::TestWithParam<platform::Mapping> {};

TEST_P(CoilFieldSequence, EveryStepShowsOnlyItsOwnField)
{
    const platform::Mapping m = GetParam();
    const QImage startup = StartupWindow(m)->Layer();
    auto s = StartupWindow(m);
    auto clean = WindowSurface(m);
    std::mt19937 rng(20240611u);
    const QColor palette[] = {Grey(0), Grey(60), Grey(130), Grey(135), platform::WindowBackground()};
    int erases = 0, zeros = 0;
    for (int step = 0; step < 800; ++step) {
        const int roll = static_cast<int>(rng() % 100);
        if (roll < 5) {
            fields::EraseCoilField(*s);
            ASSERT_EQ(fieldtest::Differences(s->Layer(), startup), 0) << "erase at step " << step;
            ++erases;
            continue;
        }
        const int q = static_cast<int>(rng() % 5);
        const QColor c = palette[rng() % 5];
        const double current = roll < 15 ? 0.0 : (roll % 2 ? 1.0 : -1.0) * (rng() % 1000 + 1) / 1000.0;
        const QImage before = s->Layer();
        fields::DrawCoilField(*s, c, q, current);
        if (current == 0.0) {
            ASSERT_EQ(fieldtest::Differences(s->Layer(), before), 0) << "step " << step;
            ++zeros;
        } else {
            clean->Clear();
            fields::RedrawCoilLines(*clean);
            fields::DrawCoilField(*clean, c, q, current);
            ASSERT_EQ(fieldtest::Differences(s->Layer(), clean->Layer()), 0)
                << "step " << step << ": level " << q << ", current " << current;
        }
    }
    EXPECT_GT(erases, 3);
    EXPECT_GT(zeros, 10);
}

INSTANTIATE_TEST_SUITE_P(Mappings, CoilFieldSequence,
                         ::testing::Values(platform::Mapping{1.0, 1.0}, platform::Mapping{1.0, 2.0},
                                           platform::Mapping{1.5, 1.0}, platform::Mapping{0.75, 1.0},
                                           platform::Mapping{2.5, 1.0}),
                         [](const auto& info) {
                             return "scale" + std::to_string(int(info.param.scale * 10)) + "_dpr" +
                                    std::to_string(int(info.param.dpr));
                         });
