// RunOscillations: the capacitor discharges through the coil in real time.
#include <cmath>

#include "animation/colours.h"
#include "animation/current_markers.h"
#include "animation/plates.h"
#include "app/form21.h"
#include "platform/colours.h"
#include "app/loops.h"
#include "fields/coil_field.h"
#include "instruments/dials.h"
#include "instruments/graph.h"
#include "physics/charging.h"
#include "physics/circuit_parameters.h"
#include "physics/energy_bars.h"
#include "physics/oscillator.h"

namespace app {

namespace {
constexpr int kScaleZeroRunning = 5690;  // twips in the energy frame: the magnetic bar's right end in a run
}

animation::FieldContext FieldsOf(Form21& w)
{
    return animation::FieldContext{w.Drawing(), {platform::TopTwips(w.picup), w.Slider1->Value(), w.ResistorIn()}};
}

std::vector<platform::Container*> CircuitStrips(Form21& w)
{
    return {w.picvert1,   w.picvert2,  w.picleft[0], w.picleft[1], w.picleft[2], w.picleft[3],
            w.picleft[4], w.picind[2], w.picind[3],  w.picind[4],  w.picind[5],  w.picind[6]};
}

std::vector<platform::Container*> ChargingStrips(Form21& w)
{
    return {w.picright[0], w.picright[1], w.picright[2], w.picright[3], w.picright[4], w.picvert1, w.picvert2};
}

OscillationLoop::OscillationLoop(Form21& window) : LoopSteps(window.Steps(), window.pause_), w_(window) {}

void OscillationLoop::Run()
{
    Begin();
    tRunStart = w_.GetClock().Now();
    w_.state.clockAngle = 0;
    tPeriodStart = w_.GetClock().Now();
    tRun = tPeriod = 0;
    // The charge ratio stays from the last run: a first step that computes nothing shows it.
    model_.currentLevel = model_.currentDirection = model_.markerPhase = 0;
    swapWatch = {};
    markerGroup = previousGroup = 0;
    BeginStep();
}

void OscillationLoop::BeginStep()
{
    WindowState& s = w_.state;
    const int v = w_.Slider1->Value();
    swapThreshold = physics::SwapThresholdForSetting(v);
    s.omega = physics::OmegaForSetting(v, physics::kProgramPi);
    s.trace.graphIScale = physics::GraphIScaleForSetting(v);
    if (s.runState != RunState::Oscillating) {
        EndOfRun();
        return;
    }
    const double now = w_.GetClock().Now();
    tRun = now - tRunStart;
    tPeriod = now - tPeriodStart;

    physics::OscillatorInput in;
    in.omega0 = s.omega;
    in.beta = s.beta;
    in.t = tRun;
    in.chargeLevel = s.chargeLevel;
    in.graphAmp = s.graphAmp;
    in.polarity = s.polarity;
    in.platesSwapped = w_.PlatesSwapped();
    // Other handlers move these between steps (a charging, a reset, a swap): a step that
    // computes nothing must leave them as they now stand.
    model_.current = s.current;
    model_.plateCharge = s.plateCharge;
    model_.graphU = s.graphU;
    model_.graphI = s.graphI;
    model_.swapLock = s.swapLock;
    model_ = physics::ComputeOscillationStep(in, model_);
    s.omega = model_.omega;
    s.current = model_.current;
    s.plateCharge = model_.plateCharge;
    s.graphU = model_.graphU;
    s.graphI = model_.graphI;
    s.swapLock = model_.swapLock;
    if (model_.timeLimitPassed) {
        w_.RestoreIdleControls();
        s.runState = RunState::Idle;
    }

    const int x = s.plateCharge;
    plusColour = animation::PlusColour(x);
    minusColour = animation::MinusColour(x);
    chargeGrey = animation::ChargeGrey(x, platform::WindowBackground());
    const double volts = model_.chargeRatio * s.chargeLevel * 60 / 255;
    instruments::MoveVoltmeterNeedle(*w_.picvolt->Drawing(), w_.voltmeterNeedle, volts);

    Yield([this] { AfterYield(); });
}

void OscillationLoop::AfterYield()
{
    WindowState& s = w_.state;
    if (s.runState != RunState::Oscillating) {
        EndOfRun();
        return;
    }
    // Plates, and their swap near a zero of the charge
    w_.picup->SetBackColor(plusColour);
    w_.picdown->SetBackColor(minusColour);
    if (swapWatch.Step(s.plateCharge, swapThreshold, model_.chargeRatio, model_.currentDirection, s.swapLock))
        w_.SwapPlateBoxes();
    s.plateMarkerCount = physics::Int(s.plateCharge / 24.0);

    const double amps = model_.currentLevel * 60.0 / 255;
    instruments::MoveAmmeterNeedle(*w_.picamp->Drawing(), w_.ammeterNeedle, amps);
    const int c = std::abs(model_.currentLevel);

    if (s.beta != 0)
        w_.Picture2->SetBackColor(platform::Rgb(255, 255, 255 - c));

    s.coilFieldLevel = physics::Int(c / 60.0);
    fieldColour = animation::CoilFieldColour(c, platform::WindowBackground());

    animation::Plates plates{w_.picup, w_.picdown, &w_.Plus1, &w_.Minus1};
    const int lineCount = physics::Int(s.plateCharge / 35.0);
    const animation::OscillationView view{.plusColour = plusColour,
                                          .minusColour = minusColour,
                                          .chargeGrey = chargeGrey,
                                          .pairIndex = s.plateMarkerCount,
                                          .lineCount = lineCount,
                                          .fieldColour = fieldColour,
                                          .coilFieldLevel = s.coilFieldLevel,
                                          .current = s.current,
                                          .swapLock = s.swapLock};
    animation::ShowOscillationPlates(plates, view, FieldsOf(w_));

    markerGroup = physics::OscillationMarkerGroup(model_.markerPhase);
    wireColour = animation::WireColour(c);
    animation::PaintCircuitWires(CircuitStrips(w_), wireColour);
    animation::ShowCircuitMarkers(w_.tok, markerGroup, wireColour, previousGroup);
    previousGroup = markerGroup;

    const double period = 2 * physics::kProgramPi / s.omega;
    instruments::MoveClockHand(*w_.picclock->Drawing(), -s.omega * tPeriod, s.clockAngle);
    if (tPeriod >= period)
        tPeriodStart = w_.GetClock().Now();

    w_.SetElectricBarWidth(physics::ElectricBarWidth(model_.chargeRatio, s.chargeLevel));
    if (s.chargeLevel != 0) {
        const int left = physics::MagneticBarLeft(c, s.chargeLevel);
        w_.SetMagneticBar(left, kScaleZeroRunning - left);

        instruments::AdvanceGraphSweep(*w_.picGr->Drawing(), tRun, s.trace);
        instruments::PlotGraphPoint(*w_.picGr->Drawing(), {w_.imgU, w_.imgI}, s.graphU, s.graphI, s.omega, s.trace);
    }
    AtNextFrame([this] { BeginStep(); });
}

void OscillationLoop::EndOfRun()
{
    WindowState& s = w_.state;
    End();
    w_.SetMagneticBar(5685, 15);
    w_.Picture2->SetBackColor(QColor(255, 255, 255));
    animation::PaintCircuitWires(CircuitStrips(w_), QColor(255, 255, 255));
    w_.picleft[0]->SetBackColor(platform::WindowBackground());
    w_.HideCurrentMarkers();
    w_.picamp->Drawing()->Clear();
    w_.picamp_Paint();
    s.clockAngle = 0;
    w_.picclock->Drawing()->Clear();
    w_.picclock_Paint();
    s.chargeLevel = s.plateCharge;
    s.polarity = w_.PlatesSwapped();
    s.coilFieldLevel = 3;
    fields::EraseCoilField(*w_.Drawing());
}

void OscillationLoop::FinishIfStale()
{
    if (Active() && w_.state.runState != RunState::Oscillating)
        EndOfRun();
}

}  // namespace app
