#include "instruments/graph.h"

#include "platform/placement.h"

namespace instruments {

void DrawGraphSegment(platform::Surface& picGr, GraphPens pens, const lesson::GraphSegment& s)
{
    platform::MoveTwips(pens.imgU, s.x, s.yU);
    platform::MoveTwips(pens.imgI, s.x, s.yI);
    picGr.Line(s.fromX, s.fromYU, s.x, s.yU, VoltageTraceColour());
    picGr.Line(s.fromX, s.fromYI, s.x, s.yI, CurrentTraceColour());
}

}  // namespace instruments
