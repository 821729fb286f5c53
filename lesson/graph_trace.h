#pragma once
// Where the graph's two traces start, how they scale, how far the present sweep has gone and
// the last point drawn: everything a plotted point needs besides its values.
//
// The trace is arithmetic only; the graph box draws what it gives (instruments/graph.h).

namespace lesson {

// One step of both traces: from the last point to the new one, in twips of the graph box.
struct GraphSegment {
    int fromX = 0, fromYU = 0, fromYI = 0;
    int x = 0, yU = 0, yI = 0;
};

struct GraphTrace {
    int graphX0 = 0, graphU0 = 0, graphI0 = 0;  // twips in the graph box: time zero, both zero lines
    int graphTScale = 0;                        // twips per second
    int graphUScale = 0;                        // twips per unit of graphU
    int graphIScale = 0;                        // twips per unit of graphI·omega
    int sweepSeconds = 0;                       // s: one sweep across the box
    int sweepCount = 0;                         // sweeps done in this run
    double sweepTime = 0;                       // s into the present sweep
    double lastX = 0, lastYU = 0, lastYI = 0;   // twips: the last point drawn

    // The trace goes back to the left edge, at the heights where it stopped.
    void Restart() { lastX = graphX0; }
    // The trace goes back to the left edge on both zero lines.
    void RestartAtOrigin()
    {
        Restart();
        lastYU = graphU0;
        lastYI = graphI0;
    }

    // The sweep rule both runs apply before a point: when the previous point's sweepTime went
    // past sweepSeconds, one more sweep is done and the trace restarts at the left; true then,
    // and the graph's drawing is to be cleared. Then sweepTime := tRun − sweepSeconds·sweepCount.
    bool AdvanceSweep(double tRun);

    // One point at t = sweepTime seconds into the sweep, every coordinate taken down to a whole
    // twip: x = Int(graphX0 + t·graphTScale), yU = Int(graphU0 − graphU·graphUScale),
    // yI = Int(graphI0 − graphI·(graphIScale·omega)). The segment runs from the last point to it,
    // which then becomes the last point.
    GraphSegment Plot(double graphU, double graphI, double omega);
};

}  // namespace lesson
