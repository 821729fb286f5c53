#pragma once
// The voltage (upper) and current (lower) traces of the graph box picGr, swept along time.
//
// Each step joins the new point to the previous one in each plot and moves the two pen
// squares to it. After a sweep's seconds are up the drawing is cleared and the trace starts
// again at the left, at the heights where it stopped.
#include <QColor>

#include "instruments/graph_trace.h"
#include "platform/surface.h"

namespace platform {
class Sprite;
}

namespace instruments {

inline QColor VoltageTraceColour() { return QColor(0, 0, 255); }
inline QColor CurrentTraceColour() { return QColor(255, 0, 0); }

// The pen squares of the two plots, moved with their top-left corner to the newest point.
struct GraphPens {
    platform::Sprite* imgU;
    platform::Sprite* imgI;
};

// One point at t = trace.sweepTime seconds into the sweep, every coordinate taken down to a
// whole twip: x = Int(graphX0 + t·graphTScale), yU = Int(graphU0 − graphU·graphUScale),
// yI = Int(graphI0 − graphI·(graphIScale·omega)). Draws (lastX, lastYU)→(x, yU) in blue and
// (lastX, lastYI)→(x, yI) in red, then makes (x, yU, yI) the last point.
void PlotGraphPoint(platform::Surface& picGr, GraphPens pens, double graphU, double graphI, double omega,
                    GraphTrace& trace);

// The sweep rule both loops apply before a step: when the previous step's sweepTime went past
// sweepSeconds, one more sweep is done, the drawing is cleared and the trace restarts at the
// left. Then sweepTime := tRun − sweepSeconds·sweepCount.
void AdvanceGraphSweep(platform::Surface& picGr, double tRun, GraphTrace& trace);

}  // namespace instruments
