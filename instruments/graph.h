#pragma once
// The voltage (upper) and current (lower) traces of the graph box picGr, swept along time.
//
// Each step joins the new point to the previous one in each plot and moves the two pen
// squares to it; the lesson's trace says where (lesson/graph_trace.h).
#include <QColor>

#include "lesson/graph_trace.h"
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

// Moves the pens to the segment's end and draws it: (fromX, fromYU)→(x, yU) in blue and
// (fromX, fromYI)→(x, yI) in red.
void DrawGraphSegment(platform::Surface& picGr, GraphPens pens, const lesson::GraphSegment& s);

}  // namespace instruments
