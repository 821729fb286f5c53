#pragma once
// The window's one state record: the switch position, the circuit, the charge, and what the
// instruments and the graph show.
//
// A field that start-up does not set holds 0 until it is set.
#include <QtGlobal>
#include <ostream>

#include "instruments/graph_trace.h"

namespace app {

// Where the demonstration stands. Idle: at rest as the program starts, and after a run that
// ended by itself; Stopped: at rest after "Стоп".
enum class RunState { Idle, Charging, Oscillating, Stopped };

inline std::ostream& operator<<(std::ostream& out, RunState s)
{
    constexpr const char* kNames[] = {"Idle", "Charging", "Oscillating", "Stopped"};
    return out << kNames[static_cast<int>(s)];
}

struct WindowState {
    // Run state and circuit parameters
    RunState runState = RunState::Idle;
    double omega = 0;      // rad/s
    double beta = 0;       // 1/s; 0 without the resistor
    bool stopped = false;  // after a run was ended; the charging then plots nothing

    // Charge and oscillation values
    int chargeLevel = 0;       // level
    int plateCharge = 0;       // level, magnitude
    bool polarity = false;     // the plate boxes stand swapped
    bool swapLock = false;     // after a swap until the current turns
    double current = 0;        // normalised, -1..1
    int plateMarkerCount = 0;  // last plate-marker pair shown while oscillating
    int coilFieldLevel = 0;    // 0..4
    int graphAmp = 0;          // level
    double graphU = 0;
    double graphI = 0;

    // Instruments
    double clockAngle = 0;  // rad

    // Graph
    instruments::GraphTrace trace;
    double dragOffsetX = 0;
    qint32 dragOffsetY = 0;
};

}  // namespace app
