#pragma once
// The lesson: the circuit, the switch, what the teacher has set and what the instruments show.
//
// Commands change it; Advance(t) moves a run to lesson time t and records what that frame
// shows. It owns no window and calls none: the window turns clicks into commands and draws
// the frames, a screen reader and the tests read the state.
#include "lesson/frame.h"
#include "lesson/lesson_clock.h"
#include "lesson/lesson_state.h"
#include "lesson/plate_swap.h"
#include "physics/oscillator.h"

namespace lesson {

class Lesson {
public:
    Lesson();

    const LessonState& State() const { return s_; }
    // What the last Advance showed.
    const Frame& LastFrame() const { return frame_; }
    // A charge or an oscillation is under way (paused or not).
    bool Running() const { return s_.runState == RunState::Charging || s_.runState == RunState::Oscillating; }

    // ---- Time: lesson seconds from the wall clock's seconds ----
    double TimeAt(double wall) const { return clock_.At(wall); }
    bool Paused() const { return clock_.Paused(); }
    // Only a run pauses; false when nothing runs that could stand still.
    bool Pause(double wall);
    void Resume(double wall);
    // The lesson's time runs at `speed` from the wall clock's reading `wall` on.
    void SetSpeed(LessonSpeed speed, double wall);
    // Paused, a run moves on by a fortieth of its period (of the time constant, charging):
    // ten steps are a quarter period. False when nothing is paused; the frame is then the
    // caller's to advance to, at TimeAt(wall) of any reading.
    bool StepWhilePaused();
    // Lesson seconds of one such step.
    double StepLength() const;

    // ---- Commands, at lesson time t where they start something ----
    void Charge(double t);  // the switch onto the source
    void Start(double t);   // the switch onto the coil
    void Stop();            // the switch raised
    void Reset();           // the capacitor emptied, the graph cleared
    void PutResistorIn();
    void TakeResistorOut();
    void ShowGraph(bool shown) { s_.settings.graphShown = shown; }
    void ClearGraph() { s_.trace.Restart(); }
    void SetFrequency(int setting) { s_.settings.frequency = setting; }
    void SetResistance(int setting) { s_.settings.resistance = setting; }
    void SetChargingSpeed(ChargingSpeed speed) { s_.settings.charging = speed; }

    // Moves a run to lesson time t; false at rest, when there is nothing to show.
    bool Advance(double t);

    // Where the positive plate's box stands, in window twips: the capacitor's field reads it.
    int PositivePlateTop() const;
    int NegativePlateTop() const;

private:
    void AdvanceCharging(double t);
    void AdvanceOscillation(double t);
    void RestoreIdle();
    void EndOscillation();
    void CloseCharging();
    void ClearCircuit();
    void TakeFrequencySetting();

    LessonState s_;
    Frame frame_;
    LessonClock clock_;

    // What a run carries from one frame to the next; each run starts them afresh.
    struct OscillationRun {
        double tRunStart = 0, tPeriodStart = 0;
        int swapThreshold = 0;
        physics::OscillatorOutput model;  // the last step's outputs
        PlateSwapWatch swapWatch;
        int markerGroup = 0;
    } osc_;
    struct ChargingRun {
        double t0 = 0;
        int markerGroup = 0;
    } charging_;
};

}  // namespace lesson
