// The graph's points, segments and sweeps, as the lesson's runs give them and the graph box draws them.
#include <gtest/gtest.h>

#include <cmath>

#include "instruments/graph.h"
#include "platform/container.h"
#include "platform/swatch.h"
#include "support/surface_compare.h"

using namespace instruments;

namespace {

const QSize kGraphBox(5895, 4935);  // twips: picGr's size
const QColor kWhite(255, 255, 255);

int Floor(double v) { return static_cast<int>(std::floor(v)); }

// The window's graph fields at their start-up values, and the two pens, plotted through.
struct Graph {
    platform::Surface picGr{kGraphBox, kWhite, 2};
    platform::Container box;  // holds the pens
    platform::Swatch* imgU = new platform::Swatch(&box, QColor(0, 0, 255), 8, QRect(420, 1260, 120, 120));
    platform::Swatch* imgI = new platform::Swatch(&box, QColor(255, 0, 0), 8, QRect(420, 3570, 120, 120));
    lesson::GraphTrace trace{420, 1260, 3570, 300, 900, 70, 15, 0, 0, 420, 1260, 3570};
    double omega = 3.14;

    explicit Graph(double dpr = 1.0) { picGr.SetMapping({1.0, dpr}); }
    void Plot(double graphU, double graphI, double t)
    {
        trace.sweepTime = t;
        DrawGraphSegment(picGr, {imgU, imgI}, trace.Plot(graphU, graphI, omega));
    }
    // One frame at tRun seconds into the run.
    void Step(double tRun, double graphU, double graphI)
    {
        if (trace.AdvanceSweep(tRun))
            picGr.Clear();
        Plot(graphU, graphI, trace.sweepTime);
    }
    QPoint PenU() const { return imgU->Twips().topLeft(); }
    QPoint PenI() const { return imgI->Twips().topLeft(); }
};

}  // namespace

TEST(GraphPoint, PensGoToTheTimeOriginAndTheVoltageExtremes)
{
    Graph g;
    g.Plot(1, 0, 0);
    EXPECT_EQ(g.PenU(), QPoint(420, 360));
    EXPECT_EQ(g.PenI(), QPoint(420, 3570));
    g.Plot(-1, 0, 0);
    EXPECT_EQ(g.PenU(), QPoint(420, 2160));
    g.Plot(-0.0001, 0, 0);
    EXPECT_EQ(g.trace.lastYU, 1260);
    g.Plot(0.0001, 0, 0);
    EXPECT_EQ(g.trace.lastYU, 1259);
}

TEST(GraphPoint, CurrentHeightScalesWithOmegaAndFlatBeforeTheFirstOscillation)
{
    Graph g;
    g.Plot(0, 0.5, 2.0);
    EXPECT_EQ(g.PenI(), QPoint(1020, Floor(3570 - 0.5 * 70 * 3.14)));
    EXPECT_EQ(g.trace.lastYI, 3460);
    g.trace.graphIScale = 0;
    for (double graphI : {4.25, -4.25}) {
        g.Plot(0.3, graphI, 2.5);
        EXPECT_EQ(g.PenI(), QPoint(1170, 3570));
        EXPECT_EQ(g.trace.lastYI, 3570);
    }
}

// A trace of a damped oscillation at device pixel ratio 2 matches the segments drawn here.
TEST(GraphPoint, TraceMatchesTheSegmentsBetweenSuccessivePoints)
{
    Graph g(2.0);
    platform::Surface expected(kGraphBox, kWhite, 2);
    expected.SetMapping({1.0, 2.0});
    int x0 = 420, u0 = 1260, i0 = 3570;
    for (int k = 0; k <= 200; ++k) {
        const double t = k * 0.0613, u = std::exp(-0.2 * t) * std::cos(2.5 * t), i = -std::sin(2.5 * t);
        g.Plot(u, i, t);
        const int x = Floor(420 + t * 300), yU = Floor(1260 - u * 900), yI = Floor(3570 - i * 70 * 3.14);
        expected.Line(x0, u0, x, yU, QColor(0, 0, 255));
        expected.Line(x0, i0, x, yI, QColor(255, 0, 0));
        x0 = x, u0 = yU, i0 = yI;
    }
    EXPECT_EQ(g.PenU(), QPoint(x0, u0));
    EXPECT_EQ(g.PenI(), QPoint(x0, i0));
    EXPECT_EQ(testsupport::DifferentPixels(g.picGr.Layer(), expected.Layer()), 0);
}

// Past 15 s the point is still plotted; the next step clears the box and starts at the left,
// from the heights where the last sweep ended.
TEST(GraphSweep, WrapsAfterTheSweepAndKeepsTheHeights)
{
    Graph g;
    g.Step(14.9, 0.5, 0.2);
    g.Step(15.2, -0.25, 0.1);
    EXPECT_EQ(g.PenU().x(), 4980);
    const double endU = g.trace.lastYU, endI = g.trace.lastYI;

    g.Step(15.25, -0.3, 0.05);
    EXPECT_EQ(g.trace.sweepCount, 1);
    EXPECT_NEAR(g.trace.sweepTime, 0.25, 1e-12);
    EXPECT_EQ(g.trace.lastX, 495);
    platform::Surface expected(kGraphBox, kWhite, 2);
    expected.Line(420, endU, 495, Floor(1260 + 0.3 * 900), QColor(0, 0, 255));
    expected.Line(420, endI, 495, Floor(3570 - 0.05 * 70 * 3.14), QColor(255, 0, 0));
    EXPECT_EQ(testsupport::DifferentPixels(g.picGr.Layer(), expected.Layer()), 0);
}

TEST(GraphSweep, ExactlyFifteenSecondsIsStillTheSameSweep)
{
    Graph g;
    g.Step(15.0, 0, 0);
    g.Step(15.0, 0, 0);
    EXPECT_EQ(g.trace.sweepCount, 0);
    EXPECT_EQ(g.trace.sweepTime, 15.0);
}

// A run that ended past the sweep's end starts the next run with a new sweep at once, its
// first points left of the time origin.
TEST(GraphSweep, ARunEndingPastTheSweepStartsTheNextOneEarly)
{
    Graph g;
    g.trace.sweepTime = 15.03;
    g.trace.sweepCount = 0;  // as the end of a run leaves them
    g.Step(0.1, 0, 0);
    EXPECT_EQ(g.trace.sweepCount, 1);
    EXPECT_NEAR(g.trace.sweepTime, -14.9, 1e-12);
    EXPECT_EQ(g.PenU().x(), Floor(420 + (0.1 - 15) * 300));
}
