#pragma once
// What one frame of a run shows, as plain values: the view draws it with the subsystems'
// procedures, in the order of this struct.
#include "lesson/graph_trace.h"
#include "lesson/lesson_state.h"

namespace lesson {

struct GraphStep {
    bool cleared = false;  // a sweep ended: the drawing starts again at the left
    bool plotted = false;  // the segment is drawn and the pens move to its end
    GraphSegment segment;
};

struct Frame {
    RunState run = RunState::Idle;  // Charging or Oscillating: the run this frame belongs to
    bool endedByItself = false;     // the run passed its time limit: only the voltmeter moved

    // Both runs
    double voltmeterDegrees = 0;
    double ammeterDegrees = 0;
    int plateCharge = 0;    // level of both plates' tint and of their markers
    int pairIndex = 0;      // the last pair of plate markers shown
    bool swapLock = false;  // the plates stay put: the field's old arrowheads are erased
    int wireLevel = 0;      // the current's level on the run's wires, 0..255
    int markerGroup = 0, previousGroup = 0;
    int electricBarWidth = 0;
    GraphStep graph;

    // An oscillation only
    bool platesSwapNow = false;
    bool resistorGlows = false;  // the resistor, with wireLevel
    int coilFieldLevel = 0;      // 0..4
    int fieldLines = 0;          // the capacitor's field lines, 0..7
    double current = 0;          // normalised; its sign turns the coil's arrowheads
    double clockAngle = 0;
    bool magneticBarShown = false;
    int magneticBarLeft = 0, magneticBarWidth = 0;
};

}  // namespace lesson
