#include "instruments/graph.h"

#include "physics/arithmetic.h"
#include "platform/placement.h"

namespace instruments {

void PlotGraphPoint(platform::Surface& picGr, GraphPens pens, const double& graphI, const double& graphU,
                    const double& t, int graphX0, int graphU0, int graphI0, int graphTScale, int graphUScale,
                    int graphIScale, double omega, double& lastX, double& lastYU, double& lastYI)
{
    using physics::Int;
    const int x = Int(graphX0 + t * graphTScale);
    const int yU = Int(graphU0 - graphU * graphUScale);
    platform::MoveTwips(pens.imgU, x, yU);
    const int yI = Int(graphI0 - graphI * (graphIScale * omega));
    platform::MoveTwips(pens.imgI, x, yI);

    picGr.Line(lastX, lastYU, x, yU, VoltageTraceColour());
    picGr.Line(lastX, lastYI, x, yI, CurrentTraceColour());
    lastX = x;
    lastYU = yU;
    lastYI = yI;
}

void AdvanceGraphSweep(platform::Surface& picGr, double tRun, int sweepSeconds, int& sweepCount,
                       double& sweepTime, double& lastX, int graphX0)
{
    if (sweepTime > sweepSeconds) {
        sweepCount += 1;
        picGr.Clear();
        lastX = graphX0;
    }
    sweepTime = tRun - static_cast<double>(sweepSeconds) * sweepCount;
}

}  // namespace instruments
