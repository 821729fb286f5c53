#pragma once
// The two long processes of the window, run as steps from the event queue.
//
// A step does its work up to the point where the events are handled, posts the rest of
// itself behind the pending events (the yield), checks runState when it comes back, and
// either ends the run or finishes the step and sleeps until the next display frame begins
// the next one. Steps of two loops never nest, and a loop whose state has changed can be
// finished at once.
#include <QColor>

#include "animation/plates.h"
#include "app/loop_steps.h"
#include "physics/oscillator.h"

namespace app {

class Form21;

class OscillationLoop : public LoopSteps {
public:
    explicit OscillationLoop(Form21& window);

    // RunOscillations: while oscillating the run starts; otherwise only its end is performed.
    void Run();
    // If the loop waits for its next step and the run state is no longer oscillating, end it now.
    void FinishIfStale();

private:
    void BeginStep();
    void AfterYield();
    void EndOfRun();

    Form21& w_;

    double tRunStart = 0, tPeriodStart = 0, tRun = 0, tPeriod = 0;
    int swapThreshold = 0;
    physics::OscillatorOutput model_;  // the last step's outputs
    animation::PlateSwapWatch swapWatch;
    int markerGroup = 0, previousGroup = 0;
    QColor plusColour, minusColour, chargeGrey, fieldColour, wireColour;
};

class ChargingLoop : public LoopSteps {
public:
    explicit ChargingLoop(Form21& window);

    // ChargeCapacitor: while charging the charging starts; otherwise only its closing steps run.
    void Run();
    void FinishIfStale();

private:
    void BeginStep();
    void AfterYield();
    void Closing();

    Form21& w_;

    double t0 = 0, tau = 0.25, t = 0;
    int currentLevel = 0;  // I, the charging current level
    int previousGroup = 0;
    QColor wireColour;
};

// What the field drawings read from the window besides their arguments.
animation::FieldContext FieldsOf(Form21& w);
// The strips of each circuit in the order their painters colour them.
std::vector<platform::Container*> CircuitStrips(Form21& w);
std::vector<platform::Container*> ChargingStrips(Form21& w);

}  // namespace app
