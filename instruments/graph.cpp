#include "instruments/graph.h"

#include "physics/arithmetic.h"
#include "platform/placement.h"

namespace instruments {

void PlotGraphPoint(platform::Surface& picGr, GraphPens pens, double graphU, double graphI, double omega,
                    GraphTrace& trace)
{
    using physics::Int;
    const int x = Int(trace.graphX0 + trace.sweepTime * trace.graphTScale);
    const int yU = Int(trace.graphU0 - graphU * trace.graphUScale);
    platform::MoveTwips(pens.imgU, x, yU);
    const int yI = Int(trace.graphI0 - graphI * (trace.graphIScale * omega));
    platform::MoveTwips(pens.imgI, x, yI);

    picGr.Line(trace.lastX, trace.lastYU, x, yU, VoltageTraceColour());
    picGr.Line(trace.lastX, trace.lastYI, x, yI, CurrentTraceColour());
    trace.lastX = x;
    trace.lastYU = yU;
    trace.lastYI = yI;
}

void AdvanceGraphSweep(platform::Surface& picGr, double tRun, GraphTrace& trace)
{
    if (trace.sweepTime > trace.sweepSeconds) {
        trace.sweepCount += 1;
        picGr.Clear();
        trace.Restart();
    }
    trace.sweepTime = tRun - static_cast<double>(trace.sweepSeconds) * trace.sweepCount;
}

}  // namespace instruments
