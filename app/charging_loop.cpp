// ChargeCapacitor: the capacitor charges from the source, fast or slow, until the switch moves.
#include "animation/colours.h"
#include "animation/current_markers.h"
#include "animation/plates.h"
#include "app/form21.h"
#include "platform/colours.h"
#include "app/loops.h"
#include "instruments/dials.h"
#include "instruments/graph.h"
#include "physics/charging.h"
#include "physics/energy_bars.h"

namespace app {

ChargingLoop::ChargingLoop(Form21& window) : LoopSteps(window.Steps(), window.pause_), w_(window) {}

void ChargingLoop::Run()
{
    if (w_.state.runState != RunState::Charging) {
        Closing();
        return;
    }
    Begin();
    t0 = w_.GetClock().Now();
    previousGroup = 0;
    BeginStep();
}

void ChargingLoop::BeginStep()
{
    // The options exclude each other however they change; the time constant follows the choice.
    tau = physics::ChargingTimeConstant(w_.Option1->Value(), w_.Option2->Value());
    t = w_.GetClock().Now() - t0;
    currentLevel = physics::ChargingCurrentLevel(w_.state.plateCharge, t, tau);
    wireColour = animation::WireColour(currentLevel);

    Yield([this] { AfterYield(); });
}

void ChargingLoop::AfterYield()
{
    WindowState& s = w_.state;
    // The switch is looked at as soon as the events have been handled, so a reset made in
    // the same moment is never undone by the rest of the step.
    if (s.runState != RunState::Charging) {
        Closing();
        return;
    }
    animation::PaintChargingWires(ChargingStrips(w_), wireColour);
    const int group = physics::ChargingMarkerGroup(currentLevel);
    animation::ShowChargingMarkers(w_.tokpow, group, wireColour, previousGroup);
    previousGroup = group;

    s.chargeLevel = physics::ChargedLevel(s.plateCharge, t, tau);
    animation::Plates plates{w_.picup, w_.picdown, &w_.Plus1, &w_.Minus1};
    animation::ShowChargingPlates(plates, s.chargeLevel, physics::Int(s.chargeLevel / 24.0), s.swapLock, FieldsOf(w_),
                                  platform::WindowBackground());
    instruments::MoveVoltmeterNeedle(*w_.picvolt->Drawing(), w_.voltmeterNeedle,
                                     physics::ChargingVoltmeterAngle(s.chargeLevel));
    const double a = physics::AmmeterChargingLevel(currentLevel, t, tau);
    instruments::MoveAmmeterNeedle(*w_.picamp->Drawing(), w_.ammeterNeedle, 60 * a / 255);
    w_.SetElectricBarWidth(physics::ChargingBarWidth(s.chargeLevel));

    instruments::AdvanceGraphSweep(*w_.picGr->Drawing(), t, s.trace);
    s.graphI = a / 60;
    s.graphU = s.chargeLevel / 255.0;
    if (!s.stopped)
        instruments::PlotGraphPoint(*w_.picGr->Drawing(), {w_.imgU, w_.imgI}, s.graphU, s.graphI, s.omega, s.trace);
    AtNextFrame([this] { BeginStep(); });
}

void ChargingLoop::Closing()
{
    End();
    WindowState& s = w_.state;
    s.plateCharge = s.chargeLevel;
    animation::PaintChargingWires(ChargingStrips(w_), QColor(255, 255, 255));
    w_.picright[4]->SetBackColor(platform::WindowBackground());
    w_.HideCurrentMarkers();
    w_.picamp->Drawing()->Clear();
    instruments::MoveAmmeterNeedle(*w_.picamp->Drawing(), w_.ammeterNeedle, 0.0);
}

void ChargingLoop::FinishIfStale()
{
    if (Active() && w_.state.runState != RunState::Charging)
        Closing();
}

}  // namespace app
