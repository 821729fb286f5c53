#pragma once
// What the lesson is at one instant: where the switch stands, what the teacher has set, the
// circuit's charge and current, and what the instruments read.
//
// Plain values only: the window draws them, a screen reader reads them, tests compare them.
#include <ostream>

#include "lesson/graph_trace.h"

namespace lesson {

// Where the demonstration stands. Idle: at rest as the program starts, and after a run that
// ended by itself; Stopped: at rest after "Стоп".
enum class RunState { Idle, Charging, Oscillating, Stopped };

inline std::ostream& operator<<(std::ostream& out, RunState s)
{
    constexpr const char* kNames[] = {"Idle", "Charging", "Oscillating", "Stopped"};
    return out << kNames[static_cast<int>(s)];
}

// The switch's lever: up at rest, down onto the source's contact, or down onto the coil's.
enum class SwitchPosition { Raised, Source, Coil };

enum class ChargingSpeed { Fast, Slow };

// How fast the lesson's time runs against the wall clock, slowest first.
enum class LessonSpeed { Tenth, Fifth, Half, Normal, Double, Fivefold };
inline constexpr LessonSpeed kSlowestSpeed = LessonSpeed::Tenth;
inline constexpr LessonSpeed kFastestSpeed = LessonSpeed::Fivefold;

// Lesson seconds a wall second, as a fraction: ×1/10 is {1, 10}.
struct SpeedRatio {
    int times = 1, per = 1;
};
constexpr SpeedRatio RatioOf(LessonSpeed s)
{
    constexpr SpeedRatio kRatios[] = {{1, 10}, {1, 5}, {1, 2}, {1, 1}, {2, 1}, {5, 1}};
    return kRatios[static_cast<int>(s)];
}

// What the teacher sets on the panel. The sliders start where the layout puts them.
struct Settings {
    int frequency = 5;   // 1..7: periods of 60, 20, 12, 4, 2, 1.33 and 1 s
    int resistance = 1;  // 1..5
    ChargingSpeed charging = ChargingSpeed::Fast;
    LessonSpeed speed = LessonSpeed::Normal;  // holds across runs and a reset
    bool resistorIn = false;
    bool graphShown = false;
};

// What the instruments show now, in the units their drawings take.
struct Readings {
    double voltmeterDegrees = 0;  // −60..60, positive to the left
    double ammeterDegrees = 0;
    double clockAngle = 0;        // rad: the hand, 0 straight up, negative clockwise
    int electricBarWidth = 15;    // twips, growing right from the scale's zero
    int magneticBarLeft = 5685;   // twips, the bar growing left towards it
    int magneticBarWidth = 15;
};

struct LessonState {
    RunState runState = RunState::Idle;
    SwitchPosition switchPosition = SwitchPosition::Raised;
    Settings settings;

    // The circuit
    double omega = 0;      // rad/s
    double beta = 0;       // 1/s; 0 without the resistor
    bool stopped = false;  // after a run was ended; the charging then plots nothing

    // Charge and oscillation values
    int chargeLevel = 0;         // level
    int plateCharge = 0;         // level, magnitude
    bool polarity = false;       // the plates stood swapped when the last run ended
    bool platesSwapped = false;  // the negative plate's box stands at the upper place
    bool swapLock = false;       // after a swap until the current turns
    double current = 0;          // normalised, -1..1
    int plateMarkerCount = 0;    // last plate-marker pair shown while oscillating
    int coilFieldLevel = 0;      // 0..4
    int graphAmp = 0;            // level
    double graphU = 0;
    double graphI = 0;

    Readings readings;
    GraphTrace trace;
};

}  // namespace lesson
