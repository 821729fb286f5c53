#pragma once
// Where the graph's two traces start, how they scale, how far the present sweep has gone and
// the last point drawn: everything a plotted point needs besides its values.

namespace instruments {

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
};

}  // namespace instruments
