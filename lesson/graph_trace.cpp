#include "lesson/graph_trace.h"

#include "physics/arithmetic.h"

namespace lesson {

bool GraphTrace::AdvanceSweep(double tRun)
{
    const bool wrapped = sweepTime > sweepSeconds;
    if (wrapped) {
        sweepCount += 1;
        Restart();
    }
    sweepTime = tRun - static_cast<double>(sweepSeconds) * sweepCount;
    return wrapped;
}

GraphSegment GraphTrace::Plot(double graphU, double graphI, double omega)
{
    using physics::Int;
    GraphSegment s{Int(lastX), Int(lastYU), Int(lastYI), 0, 0, 0};
    s.x = Int(graphX0 + sweepTime * graphTScale);
    s.yU = Int(graphU0 - graphU * graphUScale);
    s.yI = Int(graphI0 - graphI * (graphIScale * omega));
    lastX = s.x;
    lastYU = s.yU;
    lastYI = s.yI;
    return s;
}

}  // namespace lesson
